// The gamepad layer: the device search into slots 0 and 1, axis thresholds and button
// identifiers, the 8-deep event queues and their drain into the state flags.
#include "engine/KGamepad.h"
#include "engine/platform/Platform.h"

#include <cstdio>
#include <cstring>

char gProduct[PAD_SLOTS][PAD_NAME_LEN];
KPadQueue *g_hid_queue[PAD_SLOTS];
uint32_t xAxisCookie[PAD_SLOTS], yAxisCookie[PAD_SLOTS];
int32_t xAxisLow[PAD_SLOTS], xAxisHigh[PAD_SLOTS], yAxisLow[PAD_SLOTS], yAxisHigh[PAD_SLOTS];
int32_t xAxisValue[PAD_SLOTS], yAxisValue[PAD_SLOTS];
int32_t xAxisState[PAD_SLOTS][2];
int32_t yAxisState[PAD_SLOTS][2];
uint32_t buttonCookie[PAD_SLOTS][PAD_BUTTONS];
int32_t buttonCount[PAD_SLOTS];
int32_t buttonState[PAD_SLOTS][PAD_BUTTONS];
int32_t currentPad;

static KPadQueue padQueues[PAD_SLOTS];
static const int PAD_USAGE_BUTTONS = 32;
static const int MAX_DEVICES = 16;
static const char NO_PAD_NAME[] = "None Found";

void noprintf(const char *, ...) {}

static bool validPad(int pad) { return pad >= 0 && pad < PAD_SLOTS; }

// Halving rounded toward minus infinity, as an arithmetic shift does.
static int32_t halfDown(int64_t v) { return (int32_t)(v >= 0 ? v / 2 : -((-v + 1) / 2)); }

void Pad_AxisThresholds(int32_t min, int32_t max, int32_t *low, int32_t *high)
{
    const int32_t mid = halfDown((int64_t)min + max);
    *high = halfDown((int64_t)max + mid);
    *low = halfDown((int64_t)min + mid);
}

static void clearSlot(int pad)
{
    for (int i = 0; i < 32; i++)
        buttonState[pad][i] = 0;
    xAxisState[pad][0] = xAxisState[pad][1] = 0;
    yAxisState[pad][0] = yAxisState[pad][1] = 0;
    xAxisValue[pad] = yAxisValue[pad] = 0;
    buttonCount[pad] = 0;
    xAxisLow[pad] = xAxisHigh[pad] = yAxisLow[pad] = yAxisHigh[pad] = 0;
    snprintf(gProduct[pad], PAD_NAME_LEN, "%s", NO_PAD_NAME);
}

static void readElement(const KPadElement &e)
{
    const int pad = currentPad;
    if (e.usagePage == PAD_PAGE_DESKTOP && (e.usage == PAD_USAGE_X || e.usage == PAD_USAGE_Y)) {
        int32_t low = 0, high = 0;
        if (e.hasRange)
            Pad_AxisThresholds(e.min, e.max, &low, &high);
        if (e.usage == PAD_USAGE_X) {
            xAxisCookie[pad] = e.cookie;
            xAxisLow[pad] = low;
            xAxisHigh[pad] = high;
        } else {
            yAxisCookie[pad] = e.cookie;
            yAxisLow[pad] = low;
            yAxisHigh[pad] = high;
        }
    } else if (e.usagePage == PAD_PAGE_BUTTON && e.usage >= 1 && e.usage <= PAD_USAGE_BUTTONS) {
        buttonCookie[pad][e.usage - 1] = e.cookie;
        if (buttonCount[pad] < PAD_BUTTONS)
            buttonCount[pad]++;
    }
}

static void setupQueue(int device, int pad)
{
    KPadQueue *queue = &padQueues[pad];
    queue->head = queue->count = 0;
    g_hid_queue[pad] = queue;
    Plat_PadBind(device, pad);
    noprintf("Queue start result: %lx\n", 0L);
}

static int findGamepads()
{
    static KPadDevice devices[MAX_DEVICES];
    noprintf("Find Gamepads\n");
    const int found = Plat_PadScan(devices, MAX_DEVICES);
    if (found <= 0) {
        noprintf("No devices found!\n");
        return -1;
    }
    currentPad = 0;
    for (int d = 0; d < found; d++) {
        const KPadDevice &dev = devices[d];
        if (dev.usagePage != PAD_PAGE_DESKTOP || dev.usage != PAD_USAGE_JOYSTICK)
            continue;
        // A later joystick takes slot 1 over: its buttons are counted afresh.
        buttonCount[currentPad] = 0;
        const size_t n = strnlen(dev.product, PAD_NAME_LEN - 1);
        memcpy(gProduct[currentPad], dev.product, n);
        gProduct[currentPad][n] = 0;
        for (int i = 0; i < dev.elementCount && i < PAD_MAX_ELEMENTS; i++)
            readElement(dev.elements[i]);
        setupQueue(d, currentPad);
        if (currentPad == 0)
            currentPad = 1;
    }
    noprintf("Done with the gampepad init\n");
    return 0;
}

int initHID()
{
    for (int pad = 0; pad < PAD_SLOTS; pad++)
        clearSlot(pad);
    noprintf("THis is in the HID init code \n");
    return findGamepads();
}

void closeHID() {}

bool checkGPSetup(int pad, char *name)
{
    if (!validPad(pad))
        return false;
    if (name)
        snprintf(name, PAD_NAME_LEN, "%s", gProduct[pad]);
    return buttonCount[pad] > 0 || xAxisLow[pad] || xAxisHigh[pad] || yAxisLow[pad] || yAxisHigh[pad];
}

void Pad_PostEvent(int pad, uint32_t cookie, int32_t value)
{
    if (!validPad(pad) || !g_hid_queue[pad])
        return;
    KPadQueue *q = g_hid_queue[pad];
    if (q->count >= PAD_QUEUE_DEPTH)
        return;
    const int at = (q->head + q->count) % PAD_QUEUE_DEPTH;
    q->cookie[at] = cookie;
    q->value[at] = value;
    q->count++;
}

static bool nextEvent(KPadQueue *q, uint32_t *cookie, int32_t *value)
{
    if (!q || q->count == 0)
        return false;
    *cookie = q->cookie[q->head];
    *value = q->value[q->head];
    q->head = (q->head + 1) % PAD_QUEUE_DEPTH;
    q->count--;
    return true;
}

// A push one way sets its flag without clearing the other; only a centre reading clears.
static void readAxis(int32_t value, int32_t low, int32_t high, int32_t *value_out, int32_t state[2])
{
    *value_out = value;
    if (value > high)
        state[1] = 1;
    else if (value < low)
        state[0] = 1;
    else
        state[0] = state[1] = 0;
}

int RunOneQueueTest(KPadQueue *queue, int pad)
{
    uint32_t cookie;
    int32_t value;
    while (nextEvent(queue, &cookie, &value)) {
        if (!checkGPSetup(pad, nullptr))
            continue;
        if (cookie == xAxisCookie[pad]) {
            readAxis(value, xAxisLow[pad], xAxisHigh[pad], &xAxisValue[pad], xAxisState[pad]);
        } else if (cookie == yAxisCookie[pad]) {
            readAxis(value, yAxisLow[pad], yAxisHigh[pad], &yAxisValue[pad], yAxisState[pad]);
        } else {
            for (int i = 0; i < buttonCount[pad]; i++)
                if (cookie == buttonCookie[pad][i])
                    buttonState[pad][i] = value > 0 ? 1 : 0;
        }
    }
    return 0;
}

static bool drain(int pad)
{
    if (!g_hid_queue[pad]) {
        noprintf("error with queue! ");
        return false;
    }
    Plat_PadPump();
    RunOneQueueTest(g_hid_queue[pad], pad);
    return true;
}

int checkGPXAxis(int pad)
{
    if (!validPad(pad))
        return 0;
    drain(pad);
    if (xAxisState[pad][0])
        return -1;
    return xAxisState[pad][1] ? 1 : 0;
}

int checkGPButtonN(int pad, int index)
{
    if (!validPad(pad) || !drain(pad))
        return -1;
    if (index < 0 || index >= PAD_BUTTONS)
        return 0;
    return buttonState[pad][index];
}
