// SDL2's audio functions, loaded when the first sound plays rather than when the program
// starts. The library brings some thirty others with it (the clients of every sound server,
// their codecs, Wayland's), and loading them all before the table window shows would add
// more to the start than the whole toolkit does; a player who never hears a sound, or plays
// with the sound off, never loads them at all.
#pragma once

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace vorpo {

struct SdlAudioLibrary {
  decltype(&SDL_SetMainReady) SetMainReady;
  decltype(&SDL_InitSubSystem) InitSubSystem;
  decltype(&SDL_QuitSubSystem) QuitSubSystem;
  decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
  decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
  decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
  decltype(&SDL_QueueAudio) QueueAudio;
  decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio;
  decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize;
  decltype(&SDL_RWFromConstMem) RWFromConstMem;
  decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
  decltype(&SDL_FreeWAV) FreeWAV;
  decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
  decltype(&SDL_ConvertAudio) ConvertAudio;
};

// The library, loaded at the first call and kept for the rest of the run; nullptr when it is
// not installed or lacks one of the functions (then there is no sound, as without a device).
const SdlAudioLibrary* LoadSdlAudio();

}  // namespace vorpo
