#pragma once
// The editor core in one include: state, regions, mouse, keys, timer, tools, memory slots and
// history.
#include "editor/abbilder.h"
#include "editor/aufbau.h"
#include "editor/bildbereiche.h"
#include "editor/farben.h"
#include "editor/maus.h"
#include "editor/meldung.h"
#include "editor/programm.h"
#include "editor/sicht.h"
#include "editor/spiegelung.h"
#include "editor/start.h"
#include "editor/tasten.h"
#include "editor/umgebung.h"
#include "editor/verlauf.h"
#include "editor/werkzeuge.h"
#include "editor/zeitgeber.h"
