// Calling conventions, export attributes and fixed-width names shared by the module,
// the bench and the stand-in libraries.
//
// The simulator is a 32-bit x86 Windows program: every gauge-table function, gauge
// routine, element callback, mouse and tooltip callback and every SimConnect function
// is stdcall; the key-event handler is the compiler default (cdecl). On 64-bit targets
// there is one calling convention and the macros are empty.
#pragma once

#include <cstdint>

#if defined(__i386__) || defined(_M_IX86)
#define TM_32BIT 1
#if defined(_MSC_VER)
#define TM_STDCALL __stdcall
#define TM_CDECL __cdecl
#else
#define TM_STDCALL __attribute__((stdcall))
#define TM_CDECL __attribute__((cdecl))
#endif
#else
#define TM_32BIT 0
#define TM_STDCALL
#define TM_CDECL
#endif

#if defined(_WIN32)
#define TM_EXPORT __declspec(dllexport)
#define TM_IMPORT __declspec(dllimport)
#else
#define TM_EXPORT __attribute__((visibility("default")))
#define TM_IMPORT
#endif

namespace sdk {
using ID = std::int32_t;
using ID32 = std::uint32_t;
using UINT32 = std::uint32_t;
using SINT32 = std::int32_t;
using FLAGS32 = std::uint32_t;
using FLAGS = std::int32_t;
using ENUM = std::int32_t;
using ERR = std::uint32_t;
using GBOOL = std::int32_t;  // the SDK's 32-bit BOOL
using FLOAT64 = double;
using FLOAT32 = float;
using PIXEL = std::int32_t;
using VAR32 = std::uint32_t;
}  // namespace sdk
