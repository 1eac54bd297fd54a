// JavaScript helpers SDL2's own inline scripts call (resuming the audio context on the first
// click or key, calling C function pointers from timers). Linking this library pulls them in.
mergeInto(LibraryManager.library, {
  qv_sdl_helpers__deps: ['$autoResumeAudioContext', '$dynCall'],
  qv_sdl_helpers: function () {},
});
