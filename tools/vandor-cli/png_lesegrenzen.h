#pragma once
// What libpng may take for a picture that is read: a few bytes of a file must not make it
// allocate gigabytes (a text chunk that declares 2 GiB) or keep thousands of chunks.
#include <cstdint>
#include <png.h>

// The largest chunk libpng allocates for (and the largest a compressed profile may inflate
// to); a picture's pixel data is not limited by it.
constexpr png_alloc_size_t PngHoechsterAbschnitt = 8u << 20;

// Caps png's allocations for one chunk, the number of ancillary chunks it keeps, and the
// picture's sides (hoechstseite each way). The chunks a map never needs (texts, suggested
// palettes, calibrations, scales) are skipped unread: libpng would otherwise allocate whatever
// length they declare, cap or not, and only warn.
void PngLesegrenzenSetzen(png_structp png, uint32_t hoechstseite);
