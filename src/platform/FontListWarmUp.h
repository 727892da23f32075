// Qt builds its list of the installed fonts (some seven million instructions: every face
// fontconfig knows, registered one by one) the first time a text is measured. The list needs
// the application object but no window, so it is built on a thread of its own while the first
// window makes its controls; a text measured sooner waits on Qt's own lock for the list.
#pragma once

#include <thread>

class FontListWarmUp {
public:
    // Make it after the application object and let it end before that object does.
    FontListWarmUp();
    ~FontListWarmUp();

    FontListWarmUp(const FontListWarmUp &) = delete;
    FontListWarmUp &operator=(const FontListWarmUp &) = delete;

private:
    std::thread m_listing;
};
