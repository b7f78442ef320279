// What both map pages share: the guard that keeps one bad call from stopping the calls after
// it, the channel to the object the viewer publishes, and the map with its tiles.
'use strict';

var Attribution = '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors';

function guarded(fn) {
  return function () {
    try {
      return fn.apply(null, arguments);
    } catch (e) {
      return undefined;
    }
  };
}

// Hands the viewer's object published under name to done, once the channel is up.
function connectViewer(name, done) {
  if (typeof qt !== 'undefined' && qt.webChannelTransport) {
    new QWebChannel(qt.webChannelTransport, function (channel) {
      done(channel.objects[name]);
    });
  }
}

// The world map in #map, on the tiles the viewer chose (window.tumboMapConfig.tileUrl).
function createMap() {
  var config = window.tumboMapConfig || {};
  // Keys stay the viewer's (space, arrows): the map takes none.
  var created = L.map('map', { zoomControl: true, attributionControl: true, worldCopyJump: true, keyboard: false });
  created.attributionControl.setPrefix(false);
  L.tileLayer(config.tileUrl || 'https://tile.openstreetmap.org/{z}/{x}/{y}.png', {
    maxZoom: 19,
    attribution: Attribution
  }).addTo(created);
  created.setView([0, 0], 2);
  return created;
}
