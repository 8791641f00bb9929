// The gamepad layer: up to two joysticks found at start-up, their X/Y axis thresholds and
// 32 buttons by usage, and an 8-deep event queue per pad drained into state flags on
// every query. KInput's joy* calls are the game's way in.
#pragma once
#include <cstdint>

#define PAD_SLOTS 2
#define PAD_BUTTONS 36          // button flags per pad; usages 1..32 are recognised
#define PAD_QUEUE_DEPTH 8       // pending events per pad; later ones are lost
#define PAD_NAME_LEN 256

// Element usages, as the devices describe their axes and buttons.
#define PAD_PAGE_DESKTOP 1
#define PAD_USAGE_JOYSTICK 4
#define PAD_USAGE_X 0x30
#define PAD_USAGE_Y 0x31
#define PAD_PAGE_BUTTON 9

// One pad's pending events (element identifier, value), oldest first.
struct KPadQueue {
    uint32_t cookie[PAD_QUEUE_DEPTH];
    int32_t value[PAD_QUEUE_DEPTH];
    int head;
    int count;
};

// One element of a device as the platform describes it.
struct KPadElement {
    uint32_t cookie;
    int32_t usagePage, usage;
    int32_t min, max;
    bool hasRange;
};

#define PAD_MAX_ELEMENTS 64
// One input device as the platform describes it.
struct KPadDevice {
    char product[PAD_NAME_LEN];
    int32_t usagePage, usage;     // desktop page 1, usage 4: a joystick
    KPadElement elements[PAD_MAX_ELEMENTS];   // children before parents, in device order
    int elementCount;
};

extern char gProduct[PAD_SLOTS][PAD_NAME_LEN];
extern KPadQueue *g_hid_queue[PAD_SLOTS];
extern uint32_t xAxisCookie[PAD_SLOTS], yAxisCookie[PAD_SLOTS];
extern int32_t xAxisLow[PAD_SLOTS], xAxisHigh[PAD_SLOTS], yAxisLow[PAD_SLOTS], yAxisHigh[PAD_SLOTS];
extern int32_t xAxisValue[PAD_SLOTS], yAxisValue[PAD_SLOTS];
extern int32_t xAxisState[PAD_SLOTS][2];   // left, right
extern int32_t yAxisState[PAD_SLOTS][2];   // up, down
extern uint32_t buttonCookie[PAD_SLOTS][PAD_BUTTONS];
extern int32_t buttonCount[PAD_SLOTS];
extern int32_t buttonState[PAD_SLOTS][PAD_BUTTONS];
extern int32_t currentPad;

int initHID();                                 // 0, or -1 when the system has no device
void closeHID();                               // nothing: pads stay open until exit
bool checkGPSetup(int pad, char *name);        // name: 256 bytes or null
int checkGPXAxis(int pad);                     // -1 left, 1 right, 0 centre
int checkGPButtonN(int pad, int index);        // 0 or 1; -1 when the pad has no queue
int RunOneQueueTest(KPadQueue *queue, int pad);
void noprintf(const char *format, ...);        // the layer's traces: printed nowhere

// Device side: a pad's event arrives (dropped when the queue is full or absent).
void Pad_PostEvent(int pad, uint32_t cookie, int32_t value);
// Thresholds of an axis: a quarter of the range either side of the centre.
void Pad_AxisThresholds(int32_t min, int32_t max, int32_t *low, int32_t *high);
