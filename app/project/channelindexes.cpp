#include "channelindexes.h"

#include <algorithm>

QList<int> ChannelIndexes::of(int channelCount, bool extensionModule) {
    QList<int> indexes;
    for (int channel = 0; channel < channelCount; ++channel)
        appendOnce(indexes, channel);
    if (extensionModule) {
        for (int channel = FirstExtensionChannel; channel < FirstExtensionChannel + ExtensionChannelCount;
             ++channel)
            appendOnce(indexes, channel);
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

void ChannelIndexes::appendOnce(QList<int>& list, int value) {
    if (!list.contains(value))
        list.append(value);
}
