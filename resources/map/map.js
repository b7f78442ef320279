// The map page, on basemap.js. The viewer calls the eleven functions below (often many in one
// evaluation) and hears back through the object it publishes as "MapView". No function ever
// throws: a bad call must not stop the calls after it in the same evaluation.
'use strict';

var MapView = null;   // the viewer's object, once the channel is up

var map = null;
var cameraLayer = null;
var routeLayer = null;
var routePoints = [];  // {latlng, frame} in frame order
var batching = false;
var positionMarker = null;
var pendingCentre = null;  // a centre asked for while the user drags the map
var userMoving = false;

var FirstZoom = 16;

connectViewer('MapView', function (object) { MapView = object; });

function cameraIcon(kind) {
  var glyph = '<svg viewBox="0 0 16 16"><path d="M2 4h3l1-2h4l1 2h3a1 1 0 0 1 1 1v8a1 1 0 0 1-1 1H2a1 1 0 0 1-1-1V5a1 1 0 0 1 1-1zm6 2.5a3 3 0 1 0 0 6 3 3 0 0 0 0-6z"/></svg>';
  return L.divIcon({
    className: '',
    html: '<div class="camera-icon ' + kind + '">' + glyph + '</div>',
    iconSize: [24, 24],
    iconAnchor: [12, 12]
  });
}

var initialize = guarded(function () {
  if (map)
    return;
  map = createMap();
  // The position stays above the route and the cameras.
  map.createPane('position').style.zIndex = 650;
  cameraLayer = L.layerGroup().addTo(map);
  routeLayer = L.layerGroup().addTo(map);
  map.on('dragstart zoomstart', function () { userMoving = true; });
  map.on('dragend zoomend', function () {
    userMoving = false;
    if (pendingCentre) {
      var centre = pendingCentre;
      pendingCentre = null;
      centreOn(centre);
    }
  });
});

// A batch of changes: the layers leave the map until it is complete, so hundreds of points
// cost one redraw.
var waitLoad = guarded(function () {
  if (!map || batching)
    return;
  batching = true;
  map.removeLayer(cameraLayer);
  map.removeLayer(routeLayer);
});

var waitDone = guarded(function () {
  if (!map || !batching)
    return;
  batching = false;
  cameraLayer.addTo(map);
  routeLayer.addTo(map);
});

var clearCamera = guarded(function () {
  if (cameraLayer)
    cameraLayer.clearLayers();
});

var addCamera = guarded(function (latitude, longitude, fileIndex, frameIndex) {
  if (!cameraLayer)
    return;
  var marker = L.marker([latitude, longitude], { icon: cameraIcon('video'), keyboard: false });
  marker.on('click', function () {
    if (MapView)
      MapView.clickCameraWithFileIndex_frameIndex_(fileIndex, frameIndex);
  });
  marker.addTo(cameraLayer);
});

var addLogCamera = guarded(function (latitude, longitude, position) {
  if (!cameraLayer)
    return;
  var marker = L.marker([latitude, longitude], { icon: cameraIcon('log'), keyboard: false });
  marker.on('click', function () {
    if (MapView)
      MapView.clickLogCameraWithPosition_(position);
  });
  marker.addTo(cameraLayer);
});

var clearRoute = guarded(function () {
  routePoints = [];
  if (routeLayer)
    routeLayer.clearLayers();
});

var addRoute = guarded(function (latitude, longitude, frameIndex) {
  routePoints.push({ latlng: L.latLng(latitude, longitude), frame: frameIndex });
});

// The frame of the route point nearest to where the user clicked, on screen.
function nearestFrame(latlng) {
  var click = map.latLngToLayerPoint(latlng);
  var best = null;
  var bestDistance = Infinity;
  for (var i = 0; i < routePoints.length; ++i) {
    var d = click.distanceTo(map.latLngToLayerPoint(routePoints[i].latlng));
    if (d < bestDistance) {
      bestDistance = d;
      best = routePoints[i];
    }
  }
  return best ? best.frame : null;
}

var drawRoute = guarded(function () {
  if (!routeLayer)
    return;
  routeLayer.clearLayers();
  if (routePoints.length === 0)
    return;
  var latlngs = routePoints.map(function (p) { return p.latlng; });
  L.polyline(latlngs, { color: '#ffffff', weight: 8, opacity: 0.9, interactive: false }).addTo(routeLayer);
  L.polyline(latlngs, { color: '#1d5fd6', weight: 4, opacity: 1, interactive: false }).addTo(routeLayer);
  // Wide and invisible: the part the user clicks.
  var hit = L.polyline(latlngs, { color: '#000000', weight: 18, opacity: 0 });
  hit.on('click', function (event) {
    var frame = nearestFrame(event.latlng);
    if (frame !== null && MapView)
      MapView.clickRouteWithFrameIndex_(frame);
  });
  hit.addTo(routeLayer);
});

// A driving event where it starts, in its kind's colour (0xRRGGBB); a click goes to its frame.
var addEventMark = guarded(function (latitude, longitude, frameIndex, rgb) {
  if (!routeLayer)
    return;
  var colour = '#' + ('000000' + rgb.toString(16)).slice(-6);
  var mark = L.circleMarker([latitude, longitude], {
    radius: 7, color: '#141414', weight: 1.5, fillColor: colour, fillOpacity: 1
  });
  mark.on('click', function () {
    if (MapView)
      MapView.clickRouteWithFrameIndex_(frameIndex);
  });
  mark.addTo(routeLayer);
});

function centreOn(latlng) {
  if (!positionMarker) {
    positionMarker = L.circleMarker(latlng, {
      pane: 'position', radius: 6, color: '#ffffff', weight: 2, fillColor: '#d62d20', fillOpacity: 1,
      interactive: false
    }).addTo(map);
    map.setView(latlng, FirstZoom, { animate: false });
    return;
  }
  positionMarker.setLatLng(latlng);
  // The user's zoom stays; only the middle moves.
  map.panTo(latlng, { animate: false });
}

var moveCenter = guarded(function (latitude, longitude) {
  if (!map)
    return;
  var latlng = L.latLng(latitude, longitude);
  if (userMoving) {
    pendingCentre = latlng;
    if (positionMarker)
      positionMarker.setLatLng(latlng);
    return;
  }
  centreOn(latlng);
});

// What the page shows, for checks from the viewer's side.
function mapState() {
  var cameras = 0;
  var logCameras = 0;
  if (cameraLayer) {
    cameraLayer.eachLayer(function (layer) {
      var html = layer.options.icon ? layer.options.icon.options.html : '';
      if (html.indexOf('camera-icon log') >= 0)
        ++logCameras;
      else
        ++cameras;
    });
  }
  var centre = map ? map.getCenter() : null;
  return {
    initialized: !!map,
    channel: !!MapView,
    cameras: cameras,
    logCameras: logCameras,
    routePoints: routePoints.length,
    routeDrawn: routeLayer ? routeLayer.getLayers().length > 0 : false,
    latitude: centre ? centre.lat : null,
    longitude: centre ? centre.lng : null,
    zoom: map ? map.getZoom() : null
  };
}
