#pragma once
// An OpenGL compatibility context without a window: a surfaceless Mesa EGL display, a context
// made current without a surface, and a framebuffer object of the wanted client size (RGBA colour
// and a 24-bit depth buffer) into which every frame is drawn. Tests and snapshots use it where no
// display exists.
#include <cstdint>
#include <string>
#include <vector>

struct TOffscreen {
  void* Anzeige = nullptr;   // EGLDisplay
  void* Kontext = nullptr;   // EGLContext
  uint32_t Bildpuffer = 0;   // framebuffer object
  uint32_t Farbpuffer = 0;   // colour renderbuffer
  uint32_t Tiefenpuffer = 0; // depth renderbuffer
  int32_t Breite = 0;
  int32_t Hoehe = 0;
};

// Makes the context and a framebuffer of breite x hoehe pixels and leaves both current. On
// failure returns false with the reason in fehler and leaves nothing behind.
bool OffscreenAnlegen(TOffscreen& o, int32_t breite, int32_t hoehe, std::string& fehler);
// Gives the framebuffer a new size (contents undefined afterwards).
bool OffscreenGroesseSetzen(TOffscreen& o, int32_t breite, int32_t hoehe);
// Makes the context and its framebuffer current again (after another context was used).
void OffscreenAktivieren(const TOffscreen& o);
// The framebuffer's pixels as RGBA bytes, top row first (ready for an image file).
std::vector<uint8_t> OffscreenLesen(const TOffscreen& o);
// Releases framebuffer and context. The display stays initialised: EGL hands every caller the
// same one, and other contexts may still live on it.
void OffscreenFreigeben(TOffscreen& o);
