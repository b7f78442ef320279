// The card overview page, on basemap.js: every trip's route in its own colour, the event
// recordings and the driving events as markers (clustered where they crowd), a heat layer of
// where events happen, and a legend. The viewer calls the functions below and hears back through the
// object it publishes as "Overview". No function throws: a bad call must not stop the rest.
'use strict';

var Overview = null;  // the viewer's object, once the channel is up

var map = null;
var routeLayer = null;
var markerLayer = null;
var heatLayer = null;
var legend = null;
var heatPoints = [];
var trips = {};       // trip -> {line, colour, points}
var selectedTrip = -1;
var bounds = null;

connectViewer('Overview', function (object) { Overview = object; });

function escapeText(text) {
  return String(text).replace(/[&<>"]/g, function (c) {
    return { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' }[c];
  });
}

var LegendControl = L.Control.extend({
  options: { position: 'bottomright' },
  onAdd: function () {
    var div = L.DomUtil.create('div', 'overview-legend');
    L.DomEvent.disableClickPropagation(div);
    L.DomEvent.disableScrollPropagation(div);
    return div;
  }
});

var initialize = guarded(function () {
  if (map)
    return;
  map = createMap();
  routeLayer = L.layerGroup().addTo(map);
  heatLayer = L.heatLayer([], { radius: 22, blur: 18, minOpacity: 0.25 }).addTo(map);
  markerLayer = L.markerClusterGroup({ showCoverageOnHover: false, maxClusterRadius: 40 }).addTo(map);
  legend = new LegendControl().addTo(map);
});

var overviewClear = guarded(function () {
  if (!map)
    return;
  routeLayer.clearLayers();
  markerLayer.clearLayers();
  heatPoints = [];
  heatLayer.setLatLngs([]);
  trips = {};
  selectedTrip = -1;
  bounds = null;
});

function extend(latlng) {
  if (!bounds)
    bounds = L.latLngBounds(latlng, latlng);
  else
    bounds.extend(latlng);
}

// A trip's route: coordinates as one flat list (latitude, longitude, ...).
var addTrip = guarded(function (trip, colour, flat) {
  if (!map)
    return;
  var latlngs = [];
  for (var i = 0; i + 1 < flat.length; i += 2) {
    var latlng = L.latLng(flat[i], flat[i + 1]);
    latlngs.push(latlng);
    extend(latlng);
  }
  if (latlngs.length === 0)
    return;
  var line = L.polyline(latlngs, { color: colour, weight: 4, opacity: 0.9 });
  // Wide and invisible: the part the user clicks.
  var hit = L.polyline(latlngs, { color: '#000000', weight: 16, opacity: 0 });
  hit.on('click', function () {
    selectTrip(trip);
    if (Overview)
      Overview.clickTrip_(trip);
  });
  line.addTo(routeLayer);
  hit.addTo(routeLayer);
  trips[trip] = { line: line, colour: colour, points: latlngs.length };
});

function markerIcon(html) {
  return L.divIcon({ className: '', html: html, iconSize: [24, 24], iconAnchor: [12, 12] });
}

function addMarker(latitude, longitude, html, title, source, sample, msec) {
  var marker = L.marker([latitude, longitude], { icon: markerIcon(html), keyboard: false, title: title });
  marker.on('click', function () {
    if (Overview)
      Overview.clickSource_(source, sample, msec);
  });
  markerLayer.addLayer(marker);
  extend(marker.getLatLng());
}

var addEventRecording = guarded(function (latitude, longitude, source, msec, title) {
  if (!map)
    return;
  var glyph = '<svg viewBox="0 0 16 16"><path d="M2 4h3l1-2h4l1 2h3a1 1 0 0 1 1 1v8a1 1 0 0 1-1 1H2a1 1 0 0 1-1-1V5a1 1 0 0 1 1-1zm6 2.5a3 3 0 1 0 0 6 3 3 0 0 0 0-6z"/></svg>';
  addMarker(latitude, longitude, '<div class="camera-icon video recording">' + glyph + '</div>',
            title, source, -1, msec);
  heatPoints.push([latitude, longitude, 1]);
});

var addDrivingEvent = guarded(function (kind, colour, latitude, longitude, source, sample, msec, title) {
  if (!map)
    return;
  addMarker(latitude, longitude,
            '<div class="event-icon kind-' + kind + '" style="background:' + colour + '"></div>',
            title, source, sample, msec);
  heatPoints.push([latitude, longitude, 0.6]);
});

// Legend rows: [{label, colour, shape: 'line' | 'dot' | 'camera' | 'heading'}].
var setLegend = guarded(function (rows) {
  if (!legend)
    return;
  var html = '';
  rows.forEach(function (row) {
    if (row.shape === 'heading') {
      html += '<div class="heading">' + escapeText(row.label) + '</div>';
      return;
    }
    var mark = row.shape === 'line'
      ? '<span class="line" style="background:' + row.colour + '"></span>'
      : row.shape === 'camera'
        ? '<span class="swatch" style="background:#1d5fd6;border-radius:3px"></span>'
        : '<span class="swatch" style="background:' + row.colour + '"></span>';
    html += '<div class="row">' + mark + escapeText(row.label) + '</div>';
  });
  legend.getContainer().innerHTML = html;
});

var overviewDone = guarded(function () {
  if (!map)
    return;
  heatLayer.setLatLngs(heatPoints);
  if (bounds)
    map.fitBounds(bounds.pad(0.05), { animate: false });
});

var selectTrip = guarded(function (trip) {
  if (!map)
    return;
  Object.keys(trips).forEach(function (key) {
    var t = trips[key];
    t.line.setStyle({ weight: Number(key) === trip ? 7 : 4, opacity: Number(key) === trip || trip < 0 ? 0.9 : 0.45 });
  });
  selectedTrip = trip;
  if (trips[trip])
    trips[trip].line.bringToFront();
});

var fitTrip = guarded(function (trip) {
  if (map && trips[trip])
    map.fitBounds(trips[trip].line.getBounds().pad(0.1), { animate: false });
});

// What the page shows, for checks from the viewer's side.
function overviewState() {
  var points = 0;
  Object.keys(trips).forEach(function (key) { points += trips[key].points; });
  return {
    initialized: !!map,
    channel: !!Overview,
    trips: Object.keys(trips).length,
    routePoints: points,
    markers: markerLayer ? markerLayer.getLayers().length : 0,
    heatPoints: heatPoints.length,
    legendRows: legend ? legend.getContainer().querySelectorAll('.row').length : 0,
    selectedTrip: selectedTrip,
    clustered: typeof L.MarkerClusterGroup === 'function',
    heat: typeof L.heatLayer === 'function'
  };
}
