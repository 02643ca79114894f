#include "sdl_audio_library.h"

#include <dlfcn.h>

namespace vorpo {

namespace {

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

bool FindAll(void* library, SdlAudioLibrary& sdl) {
  return Find(library, "SDL_SetMainReady", sdl.SetMainReady) &&
         Find(library, "SDL_InitSubSystem", sdl.InitSubSystem) &&
         Find(library, "SDL_QuitSubSystem", sdl.QuitSubSystem) &&
         Find(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice) &&
         Find(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice) &&
         Find(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice) &&
         Find(library, "SDL_QueueAudio", sdl.QueueAudio) &&
         Find(library, "SDL_ClearQueuedAudio", sdl.ClearQueuedAudio) &&
         Find(library, "SDL_GetQueuedAudioSize", sdl.GetQueuedAudioSize) &&
         Find(library, "SDL_RWFromConstMem", sdl.RWFromConstMem) &&
         Find(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW) &&
         Find(library, "SDL_FreeWAV", sdl.FreeWAV) &&
         Find(library, "SDL_BuildAudioCVT", sdl.BuildAudioCVT) &&
         Find(library, "SDL_ConvertAudio", sdl.ConvertAudio);
}

const SdlAudioLibrary* Load() {
  // The library stays loaded to the end: its audio thread may still run while the program
  // winds down.
  void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  static SdlAudioLibrary sdl{};
  return FindAll(library, sdl) ? &sdl : nullptr;
}

}  // namespace

const SdlAudioLibrary* LoadSdlAudio() {
  static const SdlAudioLibrary* const loaded = Load();
  return loaded;
}

}  // namespace vorpo
