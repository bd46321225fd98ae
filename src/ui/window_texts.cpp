#include "ui/window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

#include "app/main_window.h"

namespace qv::ui {
namespace {

// Texts the player writes while it runs, beyond the captions the windows are built with.
const char* const kRunTimeTexts[] = {
    // Status bar, caption and statistics.
    "[none]", "Frames = %1", "Frame %1", "Zoom = %1", "Zoom = %1.%2", "Zoom = Variable",
    "Shutdown Delay", "Capture Interval", "Event Number", "Elapsed Time", "%1 of %2", "ASAP",
    "days: %1\n%2:%3:%4",
    // Movie information.
    "Custom Expo", "Exposure", "Not known", "Best", "Better", "Good", "None", "%1Hz", "Daylight",
    "Night", "Twilight", "Moon", "Star", "Galaxy", "FireFly", "On", "Off", "Disabled", "Auto",
    "%1 Daylight", "%1 Shadow", "%1 Cloudy", "%1 Fluor(cool)", "%1 Fluor(warm)", "%1 Incandescent",
    "Low", "Medium", "High", "Motion", "Timelapse", "Hybrid", "Yes", "No",
    // Export progress, boxes.
    "Exporting %1 frames", "Done", "Error", "Keyboard", "Version %1.%2.%3.%4",
    // Diagnostics values.
    "n/a", "Fast", "Slow", "Fast Semi", "Slow Semi",
    // Camera Settings: the last entry of the drive list and the folder dialog's title.
    "Choose folder...", "Flash Drive"};

// A text worth translating holds a letter; "[]", "00:00:00" and the like are not.
bool HasWords(const QString& s) {
    for (QChar c : s)
        if (c.isLetter()) return true;
    return false;
}

void Add(QStringList& out, const QString& s) {
    if (HasWords(s)) out << s;
}

}  // namespace

QStringList WindowTexts(QWidget* main_window) {
    QStringList texts;
    QList<QWidget*> widgets = main_window->findChildren<QWidget*>();
    widgets.prepend(main_window);
    for (QWidget* w : widgets) {
        if (w->isWindow() && w != main_window) Add(texts, w->windowTitle());
        Add(texts, w->toolTip());
        // The About box's version line is looked up by its pattern, below.
        if (auto* l = qobject_cast<QLabel*>(w); l && l->objectName() != "Version")
            Add(texts, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) Add(texts, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) Add(texts, g->title());
        if (auto* m = qobject_cast<QMenu*>(w)) Add(texts, m->title());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                Add(texts, c->itemText(i));
        for (QAction* a : w->actions())
            Add(texts, a->text());
    }
    for (const char* t : kRunTimeTexts)
        texts << QString::fromUtf8(t);
    for (int i = 0; i < 4; ++i)
        Add(texts, QString::fromStdString(app::MessageText(i)));
    texts << QString::fromUtf8(app::kKeyboardReference);
    // The file name of a recording shown in the status bar is not a text to translate.
    texts.removeAll(QString());
    texts.sort();
    texts.removeDuplicates();
    return texts;
}

}  // namespace qv::ui
