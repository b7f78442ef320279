// The 59-byte frame comment payload and the meaning of the telemetry codes.
#pragma once

#include "vexa_types.h"

#include <cstdint>

// Builds a frame header from a comment payload (exactly 59 bytes are read).
_vexa_video_frame_header_t decode_frame_comment(const uint8_t *payload, uint32_t offset, uint32_t length);

// Text key of a trigger code ("gui_gsensor", ...), or "" for codes without a text.
const char *event_type_key(int code);
// Text key of a recording phase: "gui_rec_pre", "gui_rec_post" or "gui_rec_normal".
const char *record_phase_key(int phase);

// Displayed G value: milli-g / 1000, and for Z gravity removed.
inline double gsensor_value(int16_t milli_g) { return milli_g / 1000.0; }
inline double gsensor_z_value(int16_t milli_g) { return milli_g / 1000.0 - 1.0; }

// The recording's frames per second as the payload states it (0 when unset).
uint16_t comment_frames_per_second(const uint8_t *payload);
