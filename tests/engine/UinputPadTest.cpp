// A virtual joystick made through the kernel's uinput, read through the real (SDL)
// gamepad layer: found at the search, steers right and left, its first button answers.
// Skipped where the kernel offers no uinput device.
#include "engine/KGamepad.h"
#include "engine/KInput.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/uinput.h>
#include <unistd.h>

namespace {

class VirtualPad {
public:
    bool create()
    {
        fd = open("/dev/uinput", O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        ioctl(fd, UI_SET_EVBIT, EV_KEY);
        ioctl(fd, UI_SET_KEYBIT, BTN_TRIGGER);
        ioctl(fd, UI_SET_KEYBIT, BTN_THUMB);
        ioctl(fd, UI_SET_EVBIT, EV_ABS);
        ioctl(fd, UI_SET_ABSBIT, ABS_X);
        ioctl(fd, UI_SET_ABSBIT, ABS_Y);
        uinput_user_dev dev;
        memset(&dev, 0, sizeof(dev));
        snprintf(dev.name, UINPUT_MAX_NAME_SIZE, "Virtual Test Stick");
        dev.id.bustype = BUS_USB;
        dev.id.vendor = 0x1234;
        dev.id.product = 0x5678;
        dev.id.version = 1;
        for (int axis : {ABS_X, ABS_Y}) {
            dev.absmin[axis] = 0;
            dev.absmax[axis] = 255;
        }
        if (write(fd, &dev, sizeof(dev)) != (ssize_t)sizeof(dev) || ioctl(fd, UI_DEV_CREATE) < 0)
            return false;
        usleep(500000);   // let the device node appear
        return true;
    }
    void send(int type, int code, int value)
    {
        input_event e;
        memset(&e, 0, sizeof(e));
        e.type = (unsigned short)type;
        e.code = (unsigned short)code;
        e.value = value;
        ASSERT_EQ(write(fd, &e, sizeof(e)), (ssize_t)sizeof(e));
    }
    void axis(int code, int value)
    {
        send(EV_ABS, code, value);
        send(EV_SYN, SYN_REPORT, 0);
        usleep(50000);
    }
    void button(int code, bool down)
    {
        send(EV_KEY, code, down ? 1 : 0);
        send(EV_SYN, SYN_REPORT, 0);
        usleep(50000);
    }
    ~VirtualPad()
    {
        if (fd >= 0) {
            ioctl(fd, UI_DEV_DESTROY);
            close(fd);
        }
    }
    int fd = -1;
};

TEST(UinputPad, VirtualJoystickIsFoundAndSteers)
{
    VirtualPad pad;
    if (!pad.create())
        GTEST_SKIP() << "no uinput here (" << strerror(errno) << "): the kernel offers no /dev/uinput";
    KInput::initInput(nullptr);
    char name[PAD_NAME_LEN];
    ASSERT_TRUE(checkGPSetup(0, name)) << "the virtual joystick was not found";
    EXPECT_STREQ(name, "Virtual Test Stick");
    ASSERT_TRUE(KInput::joyEnable(0));
    pad.axis(ABS_X, 255);
    EXPECT_TRUE(KInput::joyRight(0));
    pad.axis(ABS_X, 128);
    EXPECT_FALSE(KInput::joyRight(0));
    pad.axis(ABS_X, 0);
    EXPECT_TRUE(KInput::joyLeft(0));
    pad.button(BTN_TRIGGER, true);
    EXPECT_TRUE(KInput::joyButtonN(0, 0));
    pad.button(BTN_TRIGGER, false);
    EXPECT_FALSE(KInput::joyButtonN(0, 0));
}

} // namespace
