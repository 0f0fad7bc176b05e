// Clipboard documents, pasted into the real models. Bit 0 of the first byte tells whether the rest
// goes on the clipboard as text or as data of the document's type; bits 1 and 2 pick the model:
// the summer/winter table ("dateTimes"), the switch times of a program ("switches") or the date
// ranges of an extra program ("dateRanges"). The second byte picks where the paste starts. After
// a paste every row is valid, and whatever was pasted, copied and pasted again, is the same.

#include "support/fuzzapplication.h"

#include <clipboarddocument.h>
#include <daterangefields.h>
#include <daterangelistmodel.h>
#include <extraprogramfixture.h>
#include <sommerwintertablemodel.h>
#include <switchtimesfixture.h>

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

void pasteSummerWinter(int row) {
    SommerWinterTableModel model;
    model.canPaste();
    if (model.paste(row % SommerWinterTableModel::YearCount) == 0)
        return;
    readEveryRow(model);

    model.selectAll();
    model.copySelected();
    SommerWinterTableModel copy;
    copy.paste(0);
    if (!sameTable(model, copy))
        abort();
}

QList<QJsonObject> switchForms(const SwitchTimeListModel& list) {
    QList<QJsonObject> forms;
    for (const storage::SwitchTime& s : list.switches())
        forms.append(s.toJsonObject(storage::SwitchTime::AllDays));
    return forms;
}

// A paste into the grid at a day and minute; an odd row pastes where the items were copied.
void pasteSwitches(int where) {
    TestSwitchTimesOwner owner;
    SwitchTimesViewController view(&owner, nullptr);
    view.reloadSwitches();
    view.canPaste(SwitchClipboard::SwitchKind);
    view.canPaste(SwitchClipboard::FixSwitchKind);
    if (where & 1)
        view.paste();
    else
        view.pastTo(where / 2 % 7, where / 14 * 60);
    if (view.switchCount() == 0)
        return;

    view.switches()->selectAll();
    view.switches()->copySelected();
    TestSwitchTimesOwner copyOwner;
    SwitchTimesViewController copy(&copyOwner, nullptr);
    copy.reloadSwitches();
    copy.paste();
    if (switchForms(*view.switches()) != switchForms(*copy.switches()))
        abort();
}

QList<DateRangeFields> rangeFields(const QList<storage::DateRange>& ranges) {
    QList<DateRangeFields> fields;
    for (const storage::DateRange& range : ranges)
        fields.append(DateRangeFields::of(range));
    return fields;
}

// Program 1 takes the paste, program 2 a copy of what was pasted.
void pasteDateRanges(int choice) {
    TestOwner owner;
    owner.programs = 2 + choice % 4;
    ExtraProgramViewController target(&owner, 1, choice & 1);
    target.reloadDateRanges();
    if (!target.canPaste())
        return;
    target.paste();
    const QList<storage::DateRange> pasted = owner.programOfChannel(1)->dateRanges();
    if (pasted.isEmpty())
        return;

    target.dateRanges()->selectAll();
    target.dateRanges()->copySelected();
    ExtraProgramViewController copy(&owner, 2, choice & 1);
    copy.reloadDateRanges();
    copy.paste();
    if (rangeFields(owner.programOfChannel(2)->dateRanges()) != rangeFields(pasted))
        abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Gui);
    // The services every paste reaches, made once: a store for new rows and the holiday sets.
    static ExtraProgramServices services;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const QByteArray bytes = FuzzApplication::bytes(data + 2, size - 2);
    placeInput(bytes, data[0] & 1);
    ClipboardDocument::isDocument(QGuiApplication::clipboard()->mimeData());

    switch (data[0] >> 1 & 3) {
    case 1:
        pasteSwitches(data[1]);
        break;
    case 2:
        pasteDateRanges(data[1]);
        break;
    default:
        pasteSummerWinter(data[1]);
    }
    return 0;
}
