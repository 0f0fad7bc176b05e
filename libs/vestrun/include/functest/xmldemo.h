#pragma once

namespace functest {

// Writes a small sample results file, "xmlGenerated/presence-detector-V0.xml" below the
// current directory: two cases of a presence-detector build with their steps.
class XmlDemo {
public:
    // False when the file cannot be written.
    static bool writeTest();
};

} // namespace functest
