// The simulator's SimConnect client interface: the functions the module calls, the message
// records it receives and the constants it uses. Records are byte-packed.
//
// The module does not link against these functions: it loads the SimConnect library at
// start and looks each function up by name (see src/simlink/simconnect_api.h), so a
// missing library never stops the gauges from loading. The stand-in library the bench
// uses defines exactly these functions.
#pragma once

#include <cstddef>

#include "platform.h"

namespace sdk {

using SC_HANDLE = void*;
using SC_HWND = void*;
using HRESULT_T = std::int32_t;
using DWORD_T = std::uint32_t;

constexpr HRESULT_T SC_S_OK = 0;
constexpr HRESULT_T SC_E_FAIL = static_cast<HRESULT_T>(0x80004005u);

#pragma pack(push, 1)

// Every message starts with these three words; each record repeats them so that it stays a
// plain standard-layout record (a message is read through a cast of the received pointer).

struct SIMCONNECT_RECV {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
};

struct SIMCONNECT_RECV_EXCEPTION {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    DWORD_T dwException;
    DWORD_T dwSendID;
    DWORD_T dwIndex;
};

struct SIMCONNECT_RECV_OPEN {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    char szApplicationName[256];
    DWORD_T dwApplicationVersionMajor;
    DWORD_T dwApplicationVersionMinor;
    DWORD_T dwApplicationBuildMajor;
    DWORD_T dwApplicationBuildMinor;
    DWORD_T dwSimConnectVersionMajor;
    DWORD_T dwSimConnectVersionMinor;
    DWORD_T dwSimConnectBuildMajor;
    DWORD_T dwSimConnectBuildMinor;
    DWORD_T dwReserved1;
    DWORD_T dwReserved2;
};

struct SIMCONNECT_RECV_EVENT {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    DWORD_T uGroupID;
    DWORD_T uEventID;
    DWORD_T dwData;
};

struct SIMCONNECT_RECV_EVENT_FILENAME {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    DWORD_T uGroupID;
    DWORD_T uEventID;
    DWORD_T dwData;
    char szFileName[260];
    DWORD_T dwFlags;
};

struct SIMCONNECT_RECV_EVENT_FRAME {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    DWORD_T uGroupID;
    DWORD_T uEventID;
    DWORD_T dwData;
    float fFrameRate;
    float fSimSpeed;
};

struct SIMCONNECT_RECV_SIMOBJECT_DATA {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    DWORD_T dwRequestID;
    DWORD_T dwObjectID;
    DWORD_T dwDefineID;
    DWORD_T dwFlags;
    DWORD_T dwentrynumber;
    DWORD_T dwoutof;
    DWORD_T dwDefineCount;
    DWORD_T dwData;  // first word of the data
};

// Client data arrive in the same layout as object data.
struct SIMCONNECT_RECV_CLIENT_DATA {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    DWORD_T dwRequestID;
    DWORD_T dwObjectID;
    DWORD_T dwDefineID;
    DWORD_T dwFlags;
    DWORD_T dwentrynumber;
    DWORD_T dwoutof;
    DWORD_T dwDefineCount;
    DWORD_T dwData;  // first word of the data
};

struct SIMCONNECT_RECV_SYSTEM_STATE {
    DWORD_T dwSize;
    DWORD_T dwVersion;
    DWORD_T dwID;
    DWORD_T dwRequestID;
    DWORD_T dwInteger;
    float fFloat;
    char szString[260];
};

struct SIMCONNECT_DATA_INITPOSITION {
    double Latitude;
    double Longitude;
    double Altitude;
    double Pitch;
    double Bank;
    double Heading;
    DWORD_T OnGround;
    DWORD_T Airspeed;
};

#pragma pack(pop)

static_assert(sizeof(SIMCONNECT_RECV) == 12);
static_assert(sizeof(SIMCONNECT_RECV_EXCEPTION) == 24);
static_assert(sizeof(SIMCONNECT_RECV_OPEN) == 308);
static_assert(offsetof(SIMCONNECT_RECV_OPEN, dwApplicationVersionMajor) == 268);
static_assert(offsetof(SIMCONNECT_RECV_OPEN, dwReserved2) == 304);
static_assert(sizeof(SIMCONNECT_RECV_EVENT) == 24 && offsetof(SIMCONNECT_RECV_EVENT, dwData) == 20);
static_assert(sizeof(SIMCONNECT_RECV_EVENT_FILENAME) == 288);
static_assert(offsetof(SIMCONNECT_RECV_EVENT_FILENAME, dwFlags) == 284);
static_assert(sizeof(SIMCONNECT_RECV_EVENT_FRAME) == 32);
static_assert(sizeof(SIMCONNECT_RECV_SIMOBJECT_DATA) == 44);
static_assert(offsetof(SIMCONNECT_RECV_SIMOBJECT_DATA, dwDefineCount) == 36);
static_assert(offsetof(SIMCONNECT_RECV_SIMOBJECT_DATA, dwData) == 40);
static_assert(sizeof(SIMCONNECT_RECV_CLIENT_DATA) == 44);
static_assert(sizeof(SIMCONNECT_RECV_SYSTEM_STATE) == 284);
static_assert(offsetof(SIMCONNECT_RECV_SYSTEM_STATE, szString) == 24);
static_assert(sizeof(SIMCONNECT_DATA_INITPOSITION) == 56);

enum : DWORD_T {
    SIMCONNECT_RECV_ID_NULL = 0,
    SIMCONNECT_RECV_ID_EXCEPTION = 1,
    SIMCONNECT_RECV_ID_OPEN = 2,
    SIMCONNECT_RECV_ID_QUIT = 3,
    SIMCONNECT_RECV_ID_EVENT = 4,
    SIMCONNECT_RECV_ID_EVENT_OBJECT_ADDREMOVE = 5,
    SIMCONNECT_RECV_ID_EVENT_FILENAME = 6,
    SIMCONNECT_RECV_ID_EVENT_FRAME = 7,
    SIMCONNECT_RECV_ID_SIMOBJECT_DATA = 8,
    SIMCONNECT_RECV_ID_SIMOBJECT_DATA_BYTYPE = 9,
    SIMCONNECT_RECV_ID_ASSIGNED_OBJECT_ID = 12,
    SIMCONNECT_RECV_ID_SYSTEM_STATE = 15,
    SIMCONNECT_RECV_ID_CLIENT_DATA = 16,
};

enum : DWORD_T {
    SIMCONNECT_DATATYPE_INVALID = 0,
    SIMCONNECT_DATATYPE_INT32 = 1,
    SIMCONNECT_DATATYPE_INT64 = 2,
    SIMCONNECT_DATATYPE_FLOAT32 = 3,
    SIMCONNECT_DATATYPE_FLOAT64 = 4,
    SIMCONNECT_DATATYPE_STRING8 = 5,
    SIMCONNECT_DATATYPE_STRING32 = 6,
    SIMCONNECT_DATATYPE_STRING64 = 7,
    SIMCONNECT_DATATYPE_STRING128 = 8,
    SIMCONNECT_DATATYPE_STRING256 = 9,
    SIMCONNECT_DATATYPE_STRING260 = 10,
    SIMCONNECT_DATATYPE_STRINGV = 11,
};

enum : DWORD_T {
    SIMCONNECT_PERIOD_NEVER = 0,
    SIMCONNECT_PERIOD_ONCE = 1,
    SIMCONNECT_PERIOD_VISUAL_FRAME = 2,
    SIMCONNECT_PERIOD_SIM_FRAME = 3,
    SIMCONNECT_PERIOD_SECOND = 4,
};

enum : DWORD_T {
    SIMCONNECT_CLIENT_DATA_PERIOD_NEVER = 0,
    SIMCONNECT_CLIENT_DATA_PERIOD_ONCE = 1,
    SIMCONNECT_CLIENT_DATA_PERIOD_VISUAL_FRAME = 2,
    SIMCONNECT_CLIENT_DATA_PERIOD_ON_SET = 3,
    SIMCONNECT_CLIENT_DATA_PERIOD_SECOND = 4,
};

enum : DWORD_T {
    SIMCONNECT_DATA_REQUEST_FLAG_DEFAULT = 0,
    SIMCONNECT_DATA_REQUEST_FLAG_CHANGED = 0x1,
    SIMCONNECT_DATA_REQUEST_FLAG_TAGGED = 0x2,
    SIMCONNECT_DATA_SET_FLAG_DEFAULT = 0,
    SIMCONNECT_DATA_SET_FLAG_TAGGED = 0x1,
};

enum : DWORD_T {
    SIMCONNECT_EVENT_FLAG_DEFAULT = 0,
    SIMCONNECT_EVENT_FLAG_FAST_REPEAT_TIMER = 0x1,
    SIMCONNECT_EVENT_FLAG_SLOW_REPEAT_TIMER = 0x2,
    SIMCONNECT_EVENT_FLAG_GROUPID_IS_PRIORITY = 0x10,
};

enum : DWORD_T {
    SIMCONNECT_GROUP_PRIORITY_HIGHEST = 1,
    SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE = 10000000,
    SIMCONNECT_GROUP_PRIORITY_STANDARD = 1900000000,
    SIMCONNECT_GROUP_PRIORITY_DEFAULT = 2000000000,
    SIMCONNECT_GROUP_PRIORITY_LOWEST = 4000000000u,
};

enum : DWORD_T {
    SIMCONNECT_TEXT_TYPE_SCROLL_BLACK = 0,
    SIMCONNECT_TEXT_TYPE_SCROLL_CYAN = 7,
    SIMCONNECT_TEXT_TYPE_PRINT_BLACK = 0x100,
    SIMCONNECT_TEXT_TYPE_PRINT_WHITE = 0x101,
    SIMCONNECT_TEXT_TYPE_PRINT_RED = 0x102,
    SIMCONNECT_TEXT_TYPE_PRINT_GREEN = 0x103,
    SIMCONNECT_TEXT_TYPE_PRINT_BLUE = 0x104,
    SIMCONNECT_TEXT_TYPE_PRINT_YELLOW = 0x105,
    SIMCONNECT_TEXT_TYPE_PRINT_MAGENTA = 0x106,
    SIMCONNECT_TEXT_TYPE_PRINT_CYAN = 0x107,
    SIMCONNECT_TEXT_TYPE_MENU = 0x200,
};

enum : DWORD_T {
    SIMCONNECT_STATE_OFF = 0,
    SIMCONNECT_STATE_ON = 1,
};

constexpr DWORD_T SIMCONNECT_UNUSED = 0xFFFFFFFFu;
constexpr DWORD_T SIMCONNECT_OBJECT_ID_USER = 0;
constexpr DWORD_T SIMCONNECT_OPEN_CONFIGINDEX_LOCAL = 0xFFFFFFFFu;
constexpr DWORD_T SIMCONNECT_CLIENTDATAOFFSET_AUTO = 0xFFFFFFFFu;
constexpr DWORD_T SIMCONNECT_CLIENTDATA_MAX_SIZE = 8192;
constexpr DWORD_T SIMCONNECT_UNKNOWN_GROUP = 0xFFFFFFFFu;

using DispatchProc = void(TM_STDCALL*)(SIMCONNECT_RECV* pData, DWORD_T cbData, void* pContext);

}  // namespace sdk

// The SimConnect functions, one X-macro row per function: name, return, parameter list,
// argument names. The stand-in library defines them; the module looks them up by name.
#define TM_SIMCONNECT_FUNCTIONS(X)                                                                  \
    X(SimConnect_Open, (sdk::SC_HANDLE * phSimConnect, const char* szName, sdk::SC_HWND hWnd,       \
                        sdk::DWORD_T UserEventWin32, void* hEventHandle, sdk::DWORD_T ConfigIndex)) \
    X(SimConnect_Close, (sdk::SC_HANDLE hSimConnect))                                               \
    X(SimConnect_CallDispatch, (sdk::SC_HANDLE hSimConnect, sdk::DispatchProc pfcnDispatch,         \
                                void* pContext))                                                    \
    X(SimConnect_AddToDataDefinition,                                                               \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T DefineID, const char* DatumName,                    \
       const char* UnitsName, sdk::DWORD_T DatumType, float fEpsilon, sdk::DWORD_T DatumID))        \
    X(SimConnect_RequestDataOnSimObject,                                                            \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T RequestID, sdk::DWORD_T DefineID,                   \
       sdk::DWORD_T ObjectID, sdk::DWORD_T Period, sdk::DWORD_T Flags, sdk::DWORD_T origin,         \
       sdk::DWORD_T interval, sdk::DWORD_T limit))                                                  \
    X(SimConnect_SetDataOnSimObject,                                                                \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T DefineID, sdk::DWORD_T ObjectID,                    \
       sdk::DWORD_T Flags, sdk::DWORD_T ArrayCount, sdk::DWORD_T cbUnitSize, void* pDataSet))       \
    X(SimConnect_SubscribeToSystemEvent,                                                            \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T EventID, const char* SystemEventName))              \
    X(SimConnect_RequestSystemState,                                                                \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T RequestID, const char* szState))                    \
    X(SimConnect_MapClientEventToSimEvent,                                                          \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T EventID, const char* EventName))                    \
    X(SimConnect_AddClientEventToNotificationGroup,                                                 \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T GroupID, sdk::DWORD_T EventID, sdk::GBOOL bMaskable)) \
    X(SimConnect_SetNotificationGroupPriority,                                                      \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T GroupID, sdk::DWORD_T uPriority))                   \
    X(SimConnect_MapInputEventToClientEvent,                                                        \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T InputGroupID, const char* szInputDefinition,        \
       sdk::DWORD_T DownEventID, sdk::DWORD_T DownValue, sdk::DWORD_T UpEventID,                    \
       sdk::DWORD_T UpValue, sdk::GBOOL bMaskable))                                                 \
    X(SimConnect_SetInputGroupPriority,                                                             \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T InputGroupID, sdk::DWORD_T uPriority))              \
    X(SimConnect_SetInputGroupState,                                                                \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T InputGroupID, sdk::DWORD_T dwState))                \
    X(SimConnect_TransmitClientEvent,                                                               \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T ObjectID, sdk::DWORD_T EventID,                     \
       sdk::DWORD_T dwData, sdk::DWORD_T GroupID, sdk::DWORD_T Flags))                              \
    X(SimConnect_Text, (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T type, float fTimeSeconds,          \
                        sdk::DWORD_T EventID, sdk::DWORD_T cbUnitSize, void* pDataSet))             \
    X(SimConnect_MenuAddItem, (sdk::SC_HANDLE hSimConnect, const char* szMenuItem,                  \
                               sdk::DWORD_T MenuEventID, sdk::DWORD_T dwData))                      \
    X(SimConnect_MenuAddSubItem,                                                                    \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T MenuEventID, const char* szMenuItem,                \
       sdk::DWORD_T SubMenuEventID, sdk::DWORD_T dwData))                                           \
    X(SimConnect_MenuDeleteSubItem,                                                                 \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T MenuEventID, sdk::DWORD_T SubMenuEventID))          \
    X(SimConnect_MenuDeleteItem, (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T MenuEventID))            \
    X(SimConnect_AICreateSimulatedObject,                                                           \
      (sdk::SC_HANDLE hSimConnect, const char* szContainerTitle,                                    \
       sdk::SIMCONNECT_DATA_INITPOSITION InitPos, sdk::DWORD_T RequestID))                          \
    X(SimConnect_MapClientDataNameToID,                                                             \
      (sdk::SC_HANDLE hSimConnect, const char* szClientDataName, sdk::DWORD_T ClientDataID))        \
    X(SimConnect_AddToClientDataDefinition,                                                         \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T DefineID, sdk::DWORD_T dwOffset,                    \
       sdk::DWORD_T dwSizeOrType, float fEpsilon, sdk::DWORD_T DatumID))                            \
    X(SimConnect_RequestClientData,                                                                 \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T ClientDataID, sdk::DWORD_T RequestID,               \
       sdk::DWORD_T DefineID, sdk::DWORD_T Period, sdk::DWORD_T Flags, sdk::DWORD_T origin,         \
       sdk::DWORD_T interval, sdk::DWORD_T limit))                                                  \
    X(SimConnect_SetClientData,                                                                     \
      (sdk::SC_HANDLE hSimConnect, sdk::DWORD_T ClientDataID, sdk::DWORD_T DefineID,                \
       sdk::DWORD_T Flags, sdk::DWORD_T dwReserved, sdk::DWORD_T cbUnitSize, void* pDataSet))

// Function types: sdk::PFN_SimConnect_Open and so on.
namespace sdk {
#define TM_SC_PFN(name, params) using PFN_##name = HRESULT_T(TM_STDCALL*) params;
TM_SIMCONNECT_FUNCTIONS(TM_SC_PFN)
#undef TM_SC_PFN
}  // namespace sdk
