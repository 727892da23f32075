// The first text a window measures pays for two readings that need no window: fontconfig's
// whole configuration (some sixty XML files on Debian) and then Qt's list of the installed
// fonts, face by face. Each is done ahead on a thread of its own: the configuration while the
// application object connects to the display, the list while the first window makes its
// controls (Qt's own lock makes a text measured meanwhile wait for the list).
#pragma once

#include <thread>

class FontWarmUp {
public:
    enum class Reading {
        // Make it before the application object; wait() before the first text is measured,
        // since a text measured sooner makes fontconfig read its configuration a second time
        // (correctly, only for nothing).
        Configuration,
        // Make it once the application object exists, and let it end before that object does.
        FontList,
    };

    explicit FontWarmUp(Reading reading);
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Returns once the reading is done.
    void wait();

private:
    std::thread m_reading;
};
