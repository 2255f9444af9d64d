#include "render/offscreen.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace {

// The surfaceless platform needs no display server; Mesa takes its software rasteriser there
// when no GPU is present.
EGLDisplay AnzeigeOeffnen() {
  auto holen = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!holen) return EGL_NO_DISPLAY;
  return holen(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

std::string EglFehler(const char* schritt) {
  char puffer[96];
  snprintf(puffer, sizeof puffer, "%s failed (EGL error 0x%04X)", schritt,
           static_cast<unsigned>(eglGetError()));
  return puffer;
}

bool PufferAnlegen(TOffscreen& o, int32_t breite, int32_t hoehe) {
  GLuint fb = 0, rb[2] = {0, 0};
  glGenFramebuffers(1, &fb);
  glBindFramebuffer(GL_FRAMEBUFFER, fb);
  glGenRenderbuffers(2, rb);
  glBindRenderbuffer(GL_RENDERBUFFER, rb[0]);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, breite, hoehe);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, rb[0]);
  glBindRenderbuffer(GL_RENDERBUFFER, rb[1]);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, breite, hoehe);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, rb[1]);
  bool gut = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  o.Bildpuffer = fb;
  o.Farbpuffer = rb[0];
  o.Tiefenpuffer = rb[1];
  o.Breite = breite;
  o.Hoehe = hoehe;
  glViewport(0, 0, breite, hoehe);
  return gut;
}

void PufferFreigeben(TOffscreen& o) {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  GLuint rb[2] = {o.Farbpuffer, o.Tiefenpuffer};
  if (o.Bildpuffer) glDeleteFramebuffers(1, &o.Bildpuffer);
  if (rb[0] || rb[1]) glDeleteRenderbuffers(2, rb);
  o.Bildpuffer = o.Farbpuffer = o.Tiefenpuffer = 0;
}

} // namespace

bool OffscreenAnlegen(TOffscreen& o, int32_t breite, int32_t hoehe, std::string& fehler) {
  o = TOffscreen{};
  if (breite < 1 || hoehe < 1 || breite > 16384 || hoehe > 16384) {
    fehler = "client size out of range (1 ... 16384 pixels a side)";
    return false;
  }
  EGLDisplay anzeige = AnzeigeOeffnen();
  if (anzeige == EGL_NO_DISPLAY) {
    fehler = "no surfaceless EGL display (Mesa's EGL_MESA_platform_surfaceless is missing)";
    return false;
  }
  EGLint haupt = 0, neben = 0;
  if (!eglInitialize(anzeige, &haupt, &neben)) {
    fehler = EglFehler("eglInitialize");
    return false;
  }
  if (!eglBindAPI(EGL_OPENGL_API)) {
    fehler = EglFehler("eglBindAPI(EGL_OPENGL_API)");
    return false;
  }
  const EGLint konfigWerte[] = {EGL_SURFACE_TYPE, 0, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
  EGLConfig konfig = nullptr;
  EGLint anzahl = 0;
  if (!eglChooseConfig(anzeige, konfigWerte, &konfig, 1, &anzahl) || anzahl < 1)
    konfig = nullptr; // configless contexts are fine on Mesa
  const EGLint kontextWerte[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  EGLContext kontext = eglCreateContext(anzeige, konfig, EGL_NO_CONTEXT, kontextWerte);
  if (kontext == EGL_NO_CONTEXT) {
    fehler = EglFehler("eglCreateContext (OpenGL compatibility profile)");
    return false;
  }
  if (!eglMakeCurrent(anzeige, EGL_NO_SURFACE, EGL_NO_SURFACE, kontext)) {
    fehler = EglFehler("eglMakeCurrent without surface");
    eglDestroyContext(anzeige, kontext);
    return false;
  }
  o.Anzeige = anzeige;
  o.Kontext = kontext;
  if (!PufferAnlegen(o, breite, hoehe)) {
    fehler = "framebuffer object of that size is not complete";
    OffscreenFreigeben(o);
    return false;
  }
  return true;
}

bool OffscreenGroesseSetzen(TOffscreen& o, int32_t breite, int32_t hoehe) {
  if (!o.Kontext || breite < 1 || hoehe < 1 || breite > 16384 || hoehe > 16384) return false;
  OffscreenAktivieren(o);
  PufferFreigeben(o);
  return PufferAnlegen(o, breite, hoehe);
}

void OffscreenAktivieren(const TOffscreen& o) {
  if (!o.Kontext) return;
  eglMakeCurrent(static_cast<EGLDisplay>(o.Anzeige), EGL_NO_SURFACE, EGL_NO_SURFACE,
                 static_cast<EGLContext>(o.Kontext));
  glBindFramebuffer(GL_FRAMEBUFFER, o.Bildpuffer);
}

std::vector<uint8_t> OffscreenLesen(const TOffscreen& o) {
  std::vector<uint8_t> pixel(static_cast<size_t>(o.Breite) * o.Hoehe * 4);
  if (pixel.empty()) return pixel;
  glBindFramebuffer(GL_FRAMEBUFFER, o.Bildpuffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glFinish();
  glReadPixels(0, 0, o.Breite, o.Hoehe, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  // GL's rows run bottom-up; images run top-down.
  const size_t zeile = static_cast<size_t>(o.Breite) * 4;
  for (int32_t y = 0; y < o.Hoehe / 2; ++y)
    std::swap_ranges(pixel.begin() + y * zeile, pixel.begin() + (y + 1) * zeile,
                     pixel.begin() + (o.Hoehe - 1 - y) * zeile);
  return pixel;
}

void OffscreenFreigeben(TOffscreen& o) {
  if (o.Kontext) {
    OffscreenAktivieren(o);
    PufferFreigeben(o);
    EGLDisplay anzeige = static_cast<EGLDisplay>(o.Anzeige);
    eglMakeCurrent(anzeige, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(anzeige, static_cast<EGLContext>(o.Kontext));
  }
  o = TOffscreen{};
}
