// Fontconfig reads its whole configuration (some sixty XML files on Debian) the first time a
// text is measured: a good tenth of the practice window's start. That reading needs no
// display, so it runs on a thread of its own while the application object connects to one.
#pragma once

#include <thread>

class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();

    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

    // Returns once fontconfig is ready. Call it before the first text is measured: a text
    // measured sooner makes fontconfig read its configuration a second time (correctly, only
    // for nothing).
    void wait();

private:
    std::thread m_reading;
};
