// What the program's voice needs of a speech engine: the real one, or a test's that makes no
// sound.
#pragma once

#include <QString>

// Every call comes from one thread, the voice's own (see Speech), never from the interface's:
// an engine may take its time to start or to stop a word.
class SpeechBackend {
public:
    virtual ~SpeechBackend() = default;

    // Readies the engine and its Spanish voice: "" when it can speak, otherwise why it cannot,
    // in Spanish, as the student reads it in a tip.
    virtual QString open() = 0;
    // Starts saying the word, stopping a word still being said. Returns without waiting for
    // the sound to end.
    virtual void say(const QString &word) = 0;
    // Whether the word is still being heard.
    virtual bool speaking() = 0;
    // Silence at once.
    virtual void stop() = 0;
};
