// Splits RTF bytes into groups, control words, control symbols, text runs and binary blocks.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

struct RtfToken {
    enum Type {
        End,          // no more input
        GroupStart,   // {
        GroupEnd,     // }
        ControlWord,  // \name or \nameN; name empty when the word was too long to be one we know
        ControlSymbol,// \ followed by one non-letter; a backslash before a line break gives '\n'
        HexByte,      // \'hh: param holds the byte
        Text,         // a run of literal bytes, without line breaks
        Binary        // the data of \binN, already cut to what the input holds
    };

    Type type = End;
    QByteArrayView name;  // ControlWord: the letters
    QByteArrayView data;  // Text and Binary: the bytes
    bool hasParam = false;
    int param = 0;
    char symbol = 0;      // ControlSymbol
};

class RtfTokenizer {
public:
    // Longest control word we take as a name; longer runs of letters are read whole and
    // given an empty name, so they can never match a word we act on.
    static constexpr int MaxWordLength = 32;

    explicit RtfTokenizer(QByteArrayView input) : m_input(input) {}

    RtfToken next();
    qsizetype position() const { return m_pos; }

private:
    RtfToken readEscape();
    RtfToken readControlWord();

    QByteArrayView m_input;
    qsizetype m_pos = 0;
};
