#include "render/primitive.h"

#include <GL/gl.h>

void Viereck(double breite, double hoehe) {
  glBegin(GL_QUADS);
  glVertex3d(0, 0, 0);
  glVertex3d(breite, 0, 0);
  glVertex3d(breite, hoehe, 0);
  glVertex3d(0, hoehe, 0);
  glEnd();
}

void Umriss(double linienbreite, double breite, double hoehe) {
  glLineWidth(static_cast<GLfloat>(linienbreite));
  glBegin(GL_LINE_LOOP);
  glVertex3d(0, 0, 0);
  glVertex3d(breite, 0, 0);
  glVertex3d(breite, hoehe, 0);
  glVertex3d(0, hoehe, 0);
  glEnd();
}

void Kachel(const TBildflaeche& f) {
  glBegin(GL_QUADS);
  glTexCoord2d(f.ULinks, f.VOben);
  glVertex3d(0, 0, 0);
  glTexCoord2d(f.URechts, f.VOben);
  glVertex3d(f.Breite, 0, 0);
  glTexCoord2d(f.URechts, f.VUnten);
  glVertex3d(f.Breite, f.Hoehe, 0);
  glTexCoord2d(f.ULinks, f.VUnten);
  glVertex3d(0, f.Hoehe, 0);
  glEnd();
}

void KachelUmriss(const TBildflaeche& f, double linienbreite) {
  Umriss(linienbreite, f.Breite, f.Hoehe);
}

void Umrissfarbe(bool gedimmt) {
  if (gedimmt)
    glColor3d(0.1, 0.1, 0.1);
  else
    glColor3d(1, 1, 1);
}
