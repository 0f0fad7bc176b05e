#pragma once

#include <QList>

// The channel index lists of a project: the model's channels and those of an extension module.
class ChannelIndexes {
public:
    static constexpr int FirstExtensionChannel = 4;
    static constexpr int ExtensionChannelCount = 4;

    // 0 .. channelCount - 1 and, with the extension module, 4 .. 7; ascending, each once.
    static QList<int> of(int channelCount, bool extensionModule);
    // Appends value unless the list holds it already.
    static void appendOnce(QList<int>& list, int value);
};
