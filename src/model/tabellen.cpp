#include "model/tabellen.h"

// Non-ASCII letters are written as Latin-1 escapes ("\xFC" = u umlaut, "\xDF" = sharp s).

const TGelaendeArt Gelaendetabelle[Gelaendeanzahl] = {
    {{"Unbekannt", "Unknown"}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, "000000"},
    {{"Wasser", "Water"}, {0, 6, 0, 0, 0, 300, 100, 100, 300, 300, 300}, 31, "0000FF"},
    {{"Wald", "Forest"}, {0, 1, 0, 0, 0, 150, 150, 300, 150, 150, 150}, 59, "007700"},
    {{"Gras", "Grass"}, {0, 1, 0, 0, 0, 100, 100, 100, 100, 100, 100}, 59, "00EE00"},
    {{"Berg", "Mountain"}, {0, 1, 3, 50, 50, 200, 200, 200, 100, 200, 200}, 25, "888800"},
    {{"Sumpf", "Swamp"}, {0, 3, 0, 0, 0, 300, 200, 200, 300, 300, 300}, 31, "CCCC00"},
    {{"Sand", "Sand"}, {0, 1, 0, 0, 0, 300, 300, 300, 300, 300, 300}, 27, "FFAA00"},
    {{"Asphalt", "Asphalt"}, {0, 1, 0, 0, 0, 50, 100, 100, 50, 50, 50}, 59, "AAAAAA"},
    {{"See", "Sea"}, {0, 6, 0, 0, 0, 500, 100, 50, 500, 500, 500}, 22, "000077"},
    {{"Schlucht", ""}, {0, 1, 0, 0, 0, 500, 500, 500, 500, 500, 500}, 25, "606000"},
    {{"Schnee", "Snow"}, {0, 1, 0, 0, 0, 100, 100, 100, 100, 100, 100}, 59, "00A0B0"},
    {{"Eis", "Ice"}, {0, 1, 0, 0, 0, 100, 100, 100, 100, 100, 100}, 59, "00C0F0"},
    {{"Vulkan", ""}, {0, 1, 0, 0, 0, 200, 200, 200, 200, 200, 200}, 59, "000000"},
    {{"Teppich", "Carpet"}, {0, 1, 0, 0, 0, 100, 100, 100, 100, 100, 100}, 59, "A04080"},
    {{"Dickicht", ""}, {0, 0, 0, 0, 0, 100, 100, 100, 100, 100, 100}, 0, "000000"},
    {{"", ""}, {0, 0, 0, 0, 0, 100, 100, 100, 100, 100, 100}, 0, "000000"},
};

// Weights per terrain index 0-15; they need not sum to 100.
const TLandschaft Landschaftstabelle[Landschaftsanzahl] = {
    {{"Wald", "Forest"}, {0, 5, 65, 20, 4, 4, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0}},
    {{"Grasland", "Greenland"}, {0, 5, 20, 60, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{"Inseln", "Islands"}, {0, 25, 10, 15, 5, 5, 10, 0, 30, 0, 0, 0, 0, 0, 0, 0}},
    {{"Gebirge", "Mountains"}, {0, 10, 15, 15, 55, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0}},
    {{"Sumpf", "Swamp"}, {0, 25, 15, 10, 0, 45, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0}},
    {{"W\xFC"
      "ste",
      "Desert"},
     {0, 0, 5, 5, 15, 0, 75, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{"Stadt", "Urban"}, {0, 5, 10, 15, 0, 0, 0, 70, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{"Binnen", "Inland"}, {0, 20, 10, 40, 0, 10, 5, 0, 15, 0, 0, 0, 0, 0, 0, 0}},
    {{"Steppe", "Meadow"}, {0, 5, 5, 35, 10, 0, 45, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{"Urwald", "Jungle"}, {0, 4, 80, 4, 3, 3, 2, 0, 4, 0, 0, 0, 0, 0, 0, 0}},
    {{"Meer", "Sea"}, {0, 20, 5, 5, 5, 5, 5, 0, 55, 0, 0, 0, 0, 0, 0, 0}},
    {{"Klamm", ""}, {0, 5, 5, 5, 45, 0, 0, 0, 0, 25, 15, 10, 0, 0, 0, 0}},
    {{"Tundra", ""}, {0, 10, 10, 5, 5, 0, 0, 0, 0, 0, 50, 20, 0, 0, 0, 0}},
    {{"Eismeer", ""}, {0, 15, 0, 0, 5, 0, 0, 0, 50, 0, 10, 20, 0, 0, 0, 0}},
    {{"Savanne", ""}, {0, 15, 5, 40, 5, 0, 35, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{"Eiswald", ""}, {0, 5, 50, 3, 2, 0, 0, 0, 0, 0, 30, 10, 0, 0, 0, 0}},
    {{"Zimmer", ""}, {0, 0, 0, 10, 0, 0, 10, 0, 0, 0, 0, 0, 0, 80, 0, 0}},
};

const TSpielDefinition Spieldefinitionen[Spieldefinitionsanzahl] = {
    {{{"Kestrava", "KR", ""}, {"Kestrava", "KV", ""}},
     {3, 1, 1, 200, 10, 50, 50, 100, 150, 5000, 0},
     {
         {{"Euro", "Euro"}, {0, 100, 0, 3, 0, 0, 0, 0, 0, 0, 50, 70, 90, 200, 300, 400}, "008800"},
         {{"Erz", "Ore"},
          {0, 200, 25, 3, 200, 350, 400, 600, 900, 1200, 20, 30, 40, 0, 0, 0},
          "CC9900"},
         {{"Strom", "Power"}, {0, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50, 0}, "00AAFF"},
         {{"", ""}, {0, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "000000"},
         {{"", ""}, {0, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "000000"},
         {{"", ""}, {0, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "000000"},
         {{"", ""}, {0, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "000000"},
         {{"", ""}, {0, 100, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "000000"},
     }},
};

const TKartengroesse Kartengroessen[Kartengroessenanzahl] = {
    {{"Winzig", "Tiny"}, 10, 10}, {{"Klein", "Small"}, 20, 20}, {{"Mittel", "Medium"}, 30, 30},
    {{"Gro\xDF", "Big"}, 40, 40}, {{"Riesig", "Huge"}, 50, 50}, {{"Gigantisch", "Giant"}, 60, 60},
    {{"Episch", "Epic"}, 70, 70},
};

const char* const Spielerfarben[Spielerfarbenanzahl] = {
    "0000FF", "FF0000", "FFFF00", "00FF00", "AA7700", "BBBBBB",
    "39596B", "00A3FF", "FF49B4", "009920", "B8C300", "B30000",
};

// y grows downwards, so "clockwise from the upper left" runs along the top row first.
const TNachbar Nachbarn[9] = {
    {0, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0},
};

const char* const Diplomatietexte[2][2] = {
    {"Feindlich", "Enemy"},
    {"Verb\xFC"
     "ndet",
     "Allied"},
};
const char* const Mengentexte[3][2] = {{"Wenig", "Few"}, {"Mittel", "Medium"}, {"Viel", "Much"}};
const char* const Anzahltexte[3][2] = {{"Wenige", "Few"}, {"Mittel", "Medium"}, {"Viele", "Much"}};
const char* const Geschwindigkeitstexte[3][2] = {
    {"Langsam", "Slow"}, {"Mittel", "Intermediate"}, {"Schnell", "Fast"}};
