#include "png_lesegrenzen.h"

namespace {

// Each name with its terminating zero, as libpng takes the list.
const png_byte Uebergangen[] = "tEXt\0zTXt\0iTXt\0sPLT\0pCAL\0sCAL\0eXIf\0tIME\0hIST\0oFFs\0pHYs";
constexpr int UebergangenAnzahl = 11;

} // namespace

void PngLesegrenzenSetzen(png_structp png, uint32_t hoechstseite) {
  png_set_user_limits(png, hoechstseite, hoechstseite);
  png_set_chunk_malloc_max(png, PngHoechsterAbschnitt);
  png_set_chunk_cache_max(png, 1000);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, Uebergangen, UebergangenAnzahl);
}
