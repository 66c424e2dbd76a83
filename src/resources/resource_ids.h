/* Resource numbers shared by the module's code and its resource script. */
#pragma once

/* The side-by-side dependency on the simulator's SimConnect assembly. Not 2: the loader
   would then apply it to the module's static imports, and SimConnect is loaded at start,
   not imported. */
#define TARMELON_SIMCONNECT_MANIFEST_ID 1001
#define TARMELON_RT_MANIFEST 24
