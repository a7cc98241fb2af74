#pragma once

namespace toolkit {

/// Plays a sine tone of `hertz` for `milliseconds` on the default ALSA device and returns when
/// it has ended. Where no sound device can be opened it waits silently for the same time and
/// prints nothing.
void playTone(int hertz, int milliseconds);

}  // namespace toolkit
