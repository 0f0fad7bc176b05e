// Clipboard documents, pasted into the real models. The first byte tells whether the rest goes on
// the clipboard as text or as data of the document's type, the second picks the row the paste
// starts at. Of the documents, the summer/winter table's ("dateTimes") has a reader today. After
// a paste every row is valid, and the whole table copied and pasted into a new model is the same.

#include "support/fuzzapplication.h"

#include <clipboarddocument.h>
#include <sommerwintertablemodel.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdlib>

namespace {

void placeInput(const QByteArray& bytes, bool typed) {
    auto* mime = new QMimeData;
    if (typed)
        mime->setData(ClipboardDocument::mimeType(), bytes);
    else
        mime->setText(QString::fromUtf8(bytes));
    QGuiApplication::clipboard()->setMimeData(mime);
}

bool sameTable(const SommerWinterTableModel& a, const SommerWinterTableModel& b) {
    for (int row = 0; row < SommerWinterTableModel::YearCount; ++row) {
        if (!(a.at(row) == b.at(row)))
            return false;
    }
    return true;
}

void readEveryRow(const SommerWinterTableModel& model) {
    const QList<int> roles = model.roleNames().keys();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!model.at(row).isValid())
            abort();
        for (int role : roles)
            model.data(model.index(row), role);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Gui);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const QByteArray bytes = FuzzApplication::bytes(data + 2, size - 2);
    placeInput(bytes, data[0] & 1);
    ClipboardDocument::isDocument(QGuiApplication::clipboard()->mimeData());

    SommerWinterTableModel model;
    model.canPaste();
    if (model.paste(data[1] % SommerWinterTableModel::YearCount) == 0)
        return 0;
    readEveryRow(model);

    model.selectAll();
    model.copySelected();
    SommerWinterTableModel copy;
    copy.paste(0);
    if (!sameTable(model, copy))
        abort();
    return 0;
}
