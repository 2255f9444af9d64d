#pragma once
// Textures from image files and from pixels in memory.
#include <cstdint>
#include <string>
#include <vector>

#include "render/tga.h"

// Reads a TGA image (any size the implementation takes; powers of two expected) into a new 2-D
// texture with mipmaps: minification linear-mipmap-linear, magnification linear, clamped to the
// edge. textur is 0 first and holds the new texture name on success. A missing, unreadable or
// too large image gives false with the reason in fehler; no texture is left behind then. With
// pixel the image's pixels are kept there as well (emptied on failure).
bool TexturLaden(const std::string& dateiname, uint32_t& textur, std::string* fehler = nullptr,
                 TBildpixel* pixel = nullptr);
