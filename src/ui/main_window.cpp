#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QThread>
#include <QToolButton>
#include <QUrl>
#include <functional>

#include "ui/about_box.h"
#include "ui/camera_settings_window.h"
#include "ui/diagnostics_window.h"
#include "ui/export_windows.h"
#include "ui/message_window.h"
#include "ui/picture_view.h"
#include "ui/thumbnail_panel.h"
#include "ui/translation.h"
#include "ui/transport_icons.h"

namespace qv::ui {
namespace {

using app::ControlKind;
using app::ControlName;
using app::ControlState;
namespace ctl = app::ctl;

// What a label without a colour of its own remembers as its last colour.
constexpr uint32_t kThemeColour = 0xFF000000u;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A file pattern that matches an extension in any letter case ("*.[aA][vV][iI]"), so recordings
// named in capitals or mixed case show in the open dialog on every platform.
QString AnyCasePattern(const std::string& extension) {
    QString pattern = "*";
    for (char c : extension) {
        const QChar ch = QChar::fromLatin1(c);
        if (ch.isLetter())
            pattern += QString("[%1%2]").arg(ch.toLower()).arg(ch.toUpper());
        else
            pattern += ch;
    }
    return pattern;
}

// The client area of a group box lies below its caption.
QRect FillRect(QWidget* parent) {
    if (qobject_cast<QGroupBox*>(parent))
        return QRect(2, 15, parent->width() - 4, parent->height() - 17);
    return QRect(0, 0, parent->width(), parent->height());
}

}  // namespace

TfrmQVMain::TfrmQVMain(const std::vector<std::string>& arguments, const std::string& settings_path,
                       int language)
    : reader_(app::MakeCameraAviReader()), stream_(app::MakeStreamMedia()), arguments_(arguments) {
    setObjectName("frmQVMain");
    // The logic sets the timer while it is built.
    timer_ = new QTimer(this);
    logic_ = std::make_unique<app::MainWindowLogic>(
        *this, host_, app::PlayerMedia{*reader_, *stream_, sound_}, settings_path);
    setAcceptDrops(true);
    setMinimumSize(logic_->ui().min_width, logic_->ui().min_height);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    // Labels are measured as they show: in the active language and the window's font, bold for
    // the values.
    text_width_ = [normal = QFontMetrics(small), bold = QFontMetrics([&] {
                                                     QFont f = small;
                                                     f.setBold(true);
                                                     return f;
                                                 }())](const std::string& text, bool is_bold) {
        return (is_bold ? bold : normal).horizontalAdvance(Tr(text));
    };
    timer_->setObjectName("Timer1");
    connect(timer_, &QTimer::timeout, this, [this] { Handle([&] { logic_->Timer1Timer(); }); });
    BuildControls();
    BuildMenus();
    Connect();
    msg_ = new TfrmMyMsg(this);
    about_ = new TAboutBox(this);
    extract_ = new TfrmExtract(this, logic_->export_dialog());
    progress_ = new TfrmExtProgress(this);
    camera_ = new TfrmSetCamReg(this, logic_->camera_settings());
    diags_ = new TfrmDiags(this, *logic_, [this] { Sync(); });
    // The secondary windows are written in English; each is put into the active language once.
    for (QWidget* w :
         std::initializer_list<QWidget*>{msg_, about_, extract_, progress_, camera_, diags_})
        TranslateWindow(w);
    resize(logic_->ui().window.width, logic_->ui().window.height);
    // The status bar is as tall as its panels need in this font, so no letter is cut.
    logic_->SetStatusBarHeight(Widget(ctl::StatusBar1)->sizeHint().height());
    logic_->FormCreate(arguments_);
    // The language chosen from the desktop when the settings name none ("TestLanguage" gives the
    // same number).
    logic_->language().SetActiveLanguage(language);
    ApplyWindowGeometry();
    Sync();
}

TfrmQVMain::~TfrmQVMain() = default;

QWidget* TfrmQVMain::MakeWidget(ControlName name, const ControlState& c, QWidget* parent) {
    switch (c.kind) {
        case ControlKind::GroupBox:
            return new QGroupBox(Tr(c.text), parent);
        case ControlKind::Panel: {
            if (name == ctl::pnlSearch) return thumbnail_ = new ThumbnailPanel(parent);
            auto* f = new QFrame(parent);
            f->setFrameShape(QFrame::NoFrame);
            return f;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(Tr(c.text), parent);
        case ControlKind::Label: {
            auto* l = new QLabel(parent);
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(c.word_wrap);
            if (c.bold) {
                QFont f = l->font();
                f.setBold(true);
                l->setFont(f);
            }
            return l;
        }
        case ControlKind::SpeedButton: {
            auto* b = new QToolButton(parent);
            b->setAutoRaise(false);
            b->setIcon(TransportIcon(name, palette()));
            b->setToolButtonStyle(b->icon().isNull() ? Qt::ToolButtonTextOnly
                                                     : Qt::ToolButtonIconOnly);
            b->setFocusPolicy(Qt::NoFocus);
            return b;
        }
        case ControlKind::Button:
            return new QPushButton(Tr(c.text), parent);
        case ControlKind::TrackBar: {
            // The speed bar's first position is at its top, as on the camera software's bar,
            // and the fastest speed. The slider runs the other way round (its value is the last
            // position less the bar's), so its fill grows from the bottom with the speed and Up
            // makes it faster.
            auto* s = new QSlider(c.vertical ? Qt::Vertical : Qt::Horizontal, parent);
            s->setTickPosition(c.vertical ? QSlider::TicksBothSides : QSlider::TicksBelow);
            return s;
        }
        case ControlKind::ProgressBar: {
            auto* p = new QProgressBar(parent);
            p->setTextVisible(false);
            return p;
        }
        case ControlKind::ListBox: {
            list_ = new QListWidget(parent);
            list_->setMouseTracking(true);
            list_->installEventFilter(this);
            list_->viewport()->installEventFilter(this);
            return list_;
        }
        case ControlKind::Edit: {
            auto* e = new QLineEdit(Q(c.text), parent);
            e->setMaxLength(12);
            return e;
        }
        case ControlKind::ScrollBox: {
            scroll_ = new QScrollArea(parent);
            scroll_->setFrameShape(QFrame::StyledPanel);
            scroll_->setFrameShadow(QFrame::Sunken);
            scroll_->setWidgetResizable(false);
            canvas_ = new QWidget;
            canvas_->setObjectName("ScrollBox1Canvas");
            scroll_->setWidget(canvas_);
            return scroll_;
        }
        case ControlKind::Image: {
            image_ = new PictureView(canvas_);
            image_->on_press = [this](Qt::MouseButton button) {
                const app::MouseButton b = button == Qt::LeftButton    ? app::MouseButton::Left
                                           : button == Qt::RightButton ? app::MouseButton::Right
                                                                       : app::MouseButton::Middle;
                Handle([&] { logic_->Image1MouseDown(b); });
                // The picture's own menu: zoom, full screen, saving the frame.
                if (b == app::MouseButton::Right)
                    if (auto* menu = findChild<QMenu*>(ctl::PopupMenu1.c_str()))
                        menu->popup(QCursor::pos());
            };
            return image_;
        }
        case ControlKind::StatusBar: {
            auto* bar = new QStatusBar(parent);
            bar->setSizeGripEnabled(false);
            const auto& widths = logic_->ui().status_widths;
            for (size_t i = 0; i < widths.size(); ++i) {
                auto* panel = new QLabel(bar);
                panel->setObjectName(QString("StatusPanel%1").arg(i));
                panel->setTextFormat(Qt::PlainText);
                panel->setFrameShape(QFrame::Panel);
                panel->setFrameShadow(QFrame::Sunken);
                // The designed widths are the least a panel takes; a longer text (a .tkm's date
                // and time) widens its panel instead of being cut.
                panel->setMinimumWidth(widths[i]);
                bar->addWidget(panel, i + 1 < widths.size() ? 0 : 1);
                status_.push_back(panel);
                shown_status_.emplace_back();
            }
            return bar;
        }
        default:
            return nullptr;
    }
}

void TfrmQVMain::BuildControls() {
    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    setCentralWidget(client_);
    const app::UiState& ui = logic_->ui();
    for (ControlName name : ui.Order()) {
        const ControlState& c = ui[name];
        Bound b;
        b.name = name;
        if (c.kind != ControlKind::Menu && c.kind != ControlKind::MenuItem &&
            c.kind != ControlKind::Separator) {
            QWidget* parent = client_;
            if (c.parent) {
                if (*c.parent == ctl::ScrollBox1) {
                    parent = canvas_;
                } else {
                    for (const Bound& other : bound_)
                        if (other.name == *c.parent) parent = other.widget;
                }
            }
            b.widget = MakeWidget(name, c, parent);
            if (b.widget) {
                b.widget->setObjectName(name.c_str());
                if (!c.hint.empty()) b.widget->setToolTip(Tr(c.hint));
            }
        }
        bound_.push_back(std::move(b));
    }
}

void TfrmQVMain::BuildMenus() {
    const app::UiState& ui = logic_->ui();
    std::vector<std::pair<ControlName, QMenu*>> menus;
    for (Bound& b : bound_) {
        const ControlState& c = ui[b.name];
        if (c.kind == ControlKind::Menu) {
            QMenu* menu =
                c.parent == ctl::MainMenu1 ? menuBar()->addMenu(Tr(c.text)) : new QMenu(this);
            menu->setObjectName(b.name.c_str());
            menus.emplace_back(b.name, menu);
            b.action = menu->menuAction();
        } else if (c.kind == ControlKind::MenuItem || c.kind == ControlKind::Separator) {
            for (auto& [menu_name, menu] : menus) {
                if (menu_name != c.parent) continue;
                b.action = c.kind == ControlKind::Separator ? menu->addSeparator()
                                                            : menu->addAction(Tr(c.text));
                b.action->setObjectName(b.name.c_str());
                b.action->setCheckable(c.checkable);
                if (!c.shortcut.empty()) {
                    b.action->setShortcut(QKeySequence(Q(c.shortcut)));
                    // A popup menu's keys work while the menu is closed too.
                    if (ui[c.parent.value()].parent != ctl::MainMenu1) addAction(b.action);
                }
            }
        }
    }
    menuBar()->setObjectName("MainMenu1");
}

QWidget* TfrmQVMain::Widget(ControlName name) const {
    for (const Bound& b : bound_)
        if (b.name == name) return b.widget;
    return nullptr;
}

QAction* TfrmQVMain::Action(ControlName name) const {
    for (const Bound& b : bound_)
        if (b.name == name) return b.action;
    return nullptr;
}

void TfrmQVMain::Connect() {
    auto click = [this](ControlName name, void (app::MainWindowLogic::*handler)()) {
        if (auto* b = qobject_cast<QAbstractButton*>(Widget(name)))
            connect(b, &QAbstractButton::clicked, this,
                    [this, handler] { Handle([&] { (logic_.get()->*handler)(); }); });
    };
    click(ctl::sbForward, &app::MainWindowLogic::sbForwardClick);
    click(ctl::sbBackward, &app::MainWindowLogic::sbBackwardClick);
    click(ctl::sbPause, &app::MainWindowLogic::sbPauseClick);
    click(ctl::sbStop, &app::MainWindowLogic::sbStopClick);
    click(ctl::sbNext, &app::MainWindowLogic::sbNextClick);
    click(ctl::sbPrevious, &app::MainWindowLogic::sbPreviousClick);
    click(ctl::bPrevious, &app::MainWindowLogic::bPreviousClick);
    click(ctl::bSkip, &app::MainWindowLogic::bSkipClick);
    click(ctl::bClearPlayList, &app::MainWindowLogic::bClearPlayListClick);
    click(ctl::sbSearchForward, &app::MainWindowLogic::sbSearchForwardClick);
    click(ctl::sbSearchBackward, &app::MainWindowLogic::sbSearchBackwardClick);
    click(ctl::sbStopSearch, &app::MainWindowLogic::sbStopSearchClick);
    click(ctl::sbStopPIRSearch, &app::MainWindowLogic::sbStopSearchClick);
    // The event handlers tell the PIR seek buttons by the sender.
    auto sender_click = [this](ControlName name,
                               void (app::MainWindowLogic::*handler)(app::ControlName)) {
        if (auto* b = qobject_cast<QAbstractButton*>(Widget(name)))
            connect(b, &QAbstractButton::clicked, this,
                    [this, handler, name] { Handle([&] { (logic_.get()->*handler)(name); }); });
    };
    sender_click(ctl::sbNextEvent, &app::MainWindowLogic::sbNextEventClick);
    sender_click(ctl::sbPIRSeekFwd, &app::MainWindowLogic::sbNextEventClick);
    sender_click(ctl::sbPrevEvent, &app::MainWindowLogic::sbPrevEventClick);
    sender_click(ctl::sbPIRSeekRev, &app::MainWindowLogic::sbPrevEventClick);
    auto* threshold = qobject_cast<QLineEdit*>(Widget(ctl::edtMotionThreshold));
    connect(threshold, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_->edtMotionThresholdChange(text.toStdString()); });
    auto* brightness = qobject_cast<QCheckBox*>(Widget(ctl::cbIgnoreBrightness));
    connect(brightness, &QCheckBox::toggled, this, [this](bool on) {
        if (!syncing_) Handle([&] { logic_->cbIgnoreBrightnessClick(on); });
    });

    auto menu = [this](ControlName name, void (app::MainWindowLogic::*handler)()) {
        if (QAction* a = Action(name))
            connect(a, &QAction::triggered, this,
                    [this, handler] { Handle([&] { (logic_.get()->*handler)(); }); });
    };
    menu(ctl::Open1, &app::MainWindowLogic::Open1Click);
    menu(ctl::About1, &app::MainWindowLogic::About1Click);
    menu(ctl::CameraSettings1, &app::MainWindowLogic::CameraSettings1Click);
    menu(ctl::EmbedTimestamp1, &app::MainWindowLogic::EmbedTimestamp1Click);
    menu(ctl::Deblock1, &app::MainWindowLogic::Deblock1Click);
    menu(ctl::Diagnostics1, &app::MainWindowLogic::Diagnostics1Click);
    menu(ctl::Undo1, &app::MainWindowLogic::Undo1Click);
    menu(ctl::Keys1, &app::MainWindowLogic::Keys1Click);
    menu(ctl::FullScreen1, &app::MainWindowLogic::FullScreen1Click);
    menu(ctl::Extract1, &app::MainWindowLogic::Extract1Click);
    menu(ctl::SaveCurrent1, &app::MainWindowLogic::SaveCurrent1Click);
    menu(ctl::SaveCurrent2, &app::MainWindowLogic::SaveCurrent2Click);
    menu(ctl::SaveStart, &app::MainWindowLogic::SaveStartClick);
    menu(ctl::SaveEnd, &app::MainWindowLogic::SaveEndClick);
    menu(ctl::SaveSegment1, &app::MainWindowLogic::SaveSegment1Click);
    menu(ctl::Zoom1X1, &app::MainWindowLogic::Zoom1X1Click);
    menu(ctl::N2xzoom1, &app::MainWindowLogic::N2xzoom1Click);
    menu(ctl::Varzoom1, &app::MainWindowLogic::Varzoom1Click);
    if (QAction* exit = Action(ctl::Exit1))
        connect(exit, &QAction::triggered, this, [this] { close(); });

    auto* rate = qobject_cast<QSlider*>(Widget(ctl::tbRate));
    connect(rate, &QSlider::valueChanged, this, [this, rate](int v) {
        if (!syncing_) Handle([&] { logic_->tbRateChange(rate->maximum() + rate->minimum() - v); });
    });
    rate->installEventFilter(this);
    auto* where = qobject_cast<QSlider*>(Widget(ctl::tbWhere));
    connect(where, &QSlider::valueChanged, this, [this](int v) {
        if (!syncing_) Handle([&] { logic_->tbWhereChange(v); });
    });
    where->installEventFilter(this);
    Widget(ctl::gbSeek)->installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Handle([&] { logic_->lbPlayListDblClick(list_->row(item)); });
    });
    // The transport keys act once per key press, before the focused control sees the key, and
    // only while their buttons are enabled (otherwise the key goes to the control as usual).
    // The arrows step once per key, "+" and "-" repeat while held, as typed characters do.
    auto key = [this](std::initializer_list<QKeySequence> keys, std::function<void()> act) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(QList<QKeySequence>(keys));
        shortcut->setContext(Qt::WindowShortcut);
        const int k = keys.begin()->operator[](0).key();
        shortcut->setAutoRepeat(k != Qt::Key_Left && k != Qt::Key_Right);
        connect(shortcut, &QShortcut::activated, this, [this, act] { Handle(act); });
        return shortcut;
    };
    step_keys_ = {
        key({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
            [this] { logic_->FormKeyPress('+'); }),
        key({QKeySequence(Qt::Key_Right)}, [this] { logic_->FormKeyUp(39); }),
        key({QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)},
            [this] { logic_->FormKeyPress('-'); }),
        key({QKeySequence(Qt::Key_Left)}, [this] { logic_->FormKeyUp(37); })};
    // Escape leaves full screen; otherwise it clears the playlist, but only when the playlist has
    // the focus, so a stray Escape (one that closed a menu) never wipes the user's list.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        Handle([&] {
            if (!logic_->LeaveFullScreen() && list_->hasFocus()) logic_->bClearPlayListClick();
        });
    });
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(space, &QShortcut::activated, this, [this] { Handle([&] { logic_->SpaceKey(); }); });
}

bool TfrmQVMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Widget(ctl::tbWhere)) {
        if (type == QEvent::FocusIn) logic_->tbWhereEnter();
        if (type == QEvent::FocusOut) logic_->tbWhereExit();
    } else if (watched == Widget(ctl::tbRate)) {
        if (type == QEvent::FocusIn) logic_->tbRateEnter();
        if (type == QEvent::FocusOut) logic_->tbRateExit();
    } else if (watched == Widget(ctl::gbSeek) && type == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // The segment menu opens only while it offers something.
        if (mouse->button() == Qt::RightButton && logic_->ui()[ctl::PopupMenu2].enabled)
            if (auto* popup = findChild<QMenu*>(ctl::PopupMenu2.c_str()))
                popup->popup(mouse->globalPosition().toPoint());
    } else if (list_ && watched == list_->viewport() && type == QEvent::MouseMove) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int item_h = list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : 13;
        const int top = list_->count() ? list_->row(list_->itemAt(0, 1)) : 0;
        const QPoint p = mouse->position().toPoint();
        Handle([&] {
            logic_->lbPlayListMouseMove(p.x(), p.y(), list_->viewport()->width(),
                                        list_->viewport()->height(), item_h, top < 0 ? 0 : top);
        });
    } else if (list_ && watched == list_ && type == QEvent::Leave) {
        Handle([&] { logic_->lbPlayListExit(); });
    }
    return false;
}

void TfrmQVMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    logic_->FormResize(client_->width(), client_->height());
    // The usable area of every screen, the primary first: a window saved on a second screen
    // comes back there.
    std::vector<app::Rect> screens;
    QList<QScreen*> all = QGuiApplication::screens();
    all.removeOne(QGuiApplication::primaryScreen());
    all.prepend(QGuiApplication::primaryScreen());
    for (QScreen* s : all) {
        if (!s) continue;
        const QRect r = s->availableGeometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    logic_->FormShow(screens);
    ApplyWindowGeometry();
    if (logic_->maximised) setWindowState(windowState() | Qt::WindowMaximized);
    Sync();
}

void TfrmQVMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) logic_->maximised = isMaximized();
    // A new theme: the transport glyphs are drawn again in its colours.
    if (event->type() == QEvent::PaletteChange)
        for (Bound& b : bound_)
            if (auto* button = qobject_cast<QToolButton*>(b.widget))
                button->setIcon(TransportIcon(b.name, palette()));
}

void TfrmQVMain::closeEvent(QCloseEvent* event) {
    // A search lets the window's events run while it works: it is stopped first, and the window
    // closes once the search has returned.
    if (logic_->SearchRunning()) {
        logic_->sbStopSearchClick();
        event->ignore();
        QTimer::singleShot(0, this, [this] { close(); });
        return;
    }
    timer_->stop();
    logic_->FormClose();
    event->accept();
}

void TfrmQVMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // A maximised window keeps the place it returns to when restored; that place is saved.
    if (!isMaximized() && !isFullScreen()) {
        app::Rect& w = logic_->ui().window;
        w.width = width();
        w.height = height();
    }
    if (!client_) return;
    logic_->FormResize(client_->width(), client_->height());
    Sync();
}

void TfrmQVMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isMaximized() || isFullScreen()) return;
    app::Rect& w = logic_->ui().window;
    w.left = x();
    w.top = y();
}

void TfrmQVMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmQVMain::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    event->acceptProposedAction();
    Handle([&] { logic_->FilesDropped(paths); });
}

void TfrmQVMain::ApplyWindowGeometry() {
    const app::Rect& w = logic_->ui().window;
    if (w.width != width() || w.height != height()) resize(w.width, w.height);
    if (w.left != x() || w.top != y()) move(w.left, w.top);
}

// ---- repainting from the window state ----

void TfrmQVMain::ApplyGeometry(QWidget* w, const ControlState& c) {
    QRect r(c.rect.left, c.rect.top, c.rect.width, c.rect.height);
    if (c.fill_parent && w->parentWidget()) {
        r = w == image_ ? QRect(0, 0, scroll_->viewport()->width(), scroll_->viewport()->height())
                        : FillRect(w->parentWidget());
    }
    if (w->geometry() != r) w->setGeometry(r);
}

void TfrmQVMain::ApplyControl(Bound& b, const ControlState& c) {
    if (b.action) {
        if (c.kind == ControlKind::MenuItem && b.text != c.text) {
            b.text = c.text;
            b.action->setText(Tr(c.text));
        }
        b.action->setVisible(c.visible);
        b.action->setEnabled(c.enabled);
        if (b.action->isCheckable()) b.action->setChecked(c.checked);
        return;
    }
    QWidget* w = b.widget;
    if (!w) return;
    if (c.kind != ControlKind::StatusBar && c.kind != ControlKind::Image) ApplyGeometry(w, c);
    const uint32_t rgb = c.coloured ? c.text_rgb : kThemeColour;
    if (b.text != c.text || b.rgb != rgb) {
        b.text = c.text;
        b.rgb = rgb;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            l->setText(Tr(c.text));
            // Only a label that carries a colour of its own gets one; the others keep the
            // theme's text colour, so they read on a dark desktop too.
            QPalette pal = l->parentWidget() ? l->parentWidget()->palette() : QPalette();
            if (c.coloured) pal.setColor(QPalette::WindowText, QColor::fromRgb(c.text_rgb));
            l->setPalette(pal);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            g->setTitle(Tr(c.text));
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            // What the user typed is already there; setting it again would move the cursor.
            if (e->text() != Q(c.text)) e->setText(Q(c.text));
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            box->setText(Tr(c.text));
        } else if (auto* p = qobject_cast<QPushButton*>(w)) {
            p->setText(Tr(c.text));
        }
    }
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        if (box->isChecked() != c.checked) box->setChecked(c.checked);
    } else if (auto* s = qobject_cast<QSlider*>(w)) {
        if (s->minimum() != c.minimum || s->maximum() != c.maximum)
            s->setRange(c.minimum, c.maximum);
        const int value = c.vertical ? c.maximum + c.minimum - c.position : c.position;
        if (s->value() != value) s->setValue(value);
        s->setTickInterval(c.tick_frequency);
        s->setPageStep(c.vertical ? 1 : std::max(c.tick_frequency, 1));
    } else if (auto* p = qobject_cast<QProgressBar*>(w)) {
        if (p->maximum() != c.maximum) p->setRange(c.minimum, std::max(c.maximum, c.minimum));
        if (p->value() != c.position) p->setValue(c.position);
    }
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    // Full screen keeps only the picture's scroll box of the window's own controls.
    const bool visible =
        c.visible && (!logic_->ui().picture_only || c.parent || b.name == ctl::ScrollBox1);
    if (w->isVisibleTo(w->parentWidget()) != visible) w->setVisible(visible);
}

void TfrmQVMain::ApplyStatus() {
    const auto& status = logic_->ui().status;
    for (size_t i = 0; i < status_.size() && i < shown_status_.size(); ++i) {
        if (shown_status_[i] == status[i]) continue;
        shown_status_[i] = status[i];
        status_[i]->setText(Tr(status[i]));
    }
}

void TfrmQVMain::ApplyPlaylist() {
    const app::UiState& ui = logic_->ui();
    if (shown_rows_ != ui.playlist_rows) {
        shown_rows_ = ui.playlist_rows;
        list_->clear();
        for (const std::string& row : shown_rows_)
            list_->addItem(Q(row));
        // Each entry's full path shows when the pointer rests on it.
        const app::TPlaylist& entries = logic_->playlist();
        for (int i = 0; i < list_->count() && i < entries.nCount(); ++i)
            list_->item(i)->setToolTip(Q(entries[i].szPath));
    }
    const int selected = ui.playlist_selected < list_->count() ? ui.playlist_selected : -1;
    if (list_->currentRow() != selected) list_->setCurrentRow(selected);
}

void TfrmQVMain::ApplyPicture() {
    const app::UiState& ui = logic_->ui();
    const ControlState& c = ui[ctl::Image1];
    ApplyGeometry(image_, c);
    // The scroll box scrolls when the image is larger than it.
    const QSize view = scroll_->viewport()->size();
    const QSize canvas(std::max(view.width(), image_->geometry().right() + 1),
                       std::max(view.height(), image_->geometry().bottom() + 1));
    if (canvas_->size() != canvas) canvas_->resize(canvas);
    if (ui.picture_serial != shown_serial_) {
        shown_serial_ = ui.picture_serial;
        image_->SetPicture(ui.picture);
    }
}

void TfrmQVMain::Sync() {
    syncing_ = true;
    logic_->FitLabels(text_width_);
    const app::UiState& ui = logic_->ui();
    if (ui.picture_only != full_screen_) {
        full_screen_ = ui.picture_only;
        menuBar()->setVisible(!ui.picture_only);
        // The picture alone stands on black, as a player's full screen does.
        canvas_->setAutoFillBackground(full_screen_);
        QPalette black = canvas_->palette();
        black.setColor(QPalette::Window,
                       full_screen_ ? Qt::black : palette().color(QPalette::Window));
        canvas_->setPalette(black);
        if (ui.picture_only)
            showFullScreen();
        else if (logic_->maximised)
            showMaximized();
        else
            showNormal();
    }
    if (windowTitle() != Q(ui.caption)) setWindowTitle(Q(ui.caption));
    for (Bound& b : bound_)
        if (b.widget != image_) ApplyControl(b, ui[b.name]);
    if (auto* bar = Widget(ctl::StatusBar1)) {
        const int h = ui[ctl::StatusBar1].rect.height;
        QRect r(0, client_->height() - h, client_->width(), h);
        if (bar->geometry() != r) bar->setGeometry(r);
    }
    ApplyStatus();
    ApplyPlaylist();
    ApplyPicture();
    if (ui.thumbnail.serial != thumbnail_serial_) {
        thumbnail_serial_ = ui.thumbnail.serial;
        const app::UiState::Thumbnail& t = ui.thumbnail;
        thumbnail_->SetThumbnail(t.bgr, t.width, t.height, t.stride);
    }
    for (size_t i = 0; i < step_keys_.size(); ++i)
        step_keys_[i]->setEnabled(ui[i < 2 ? ctl::sbNext : ctl::sbPrevious].enabled);
    image_->setVisible(ui[ctl::Image1].visible);
    if (progress_) progress_->Sync(logic_->export_progress());
    if (diags_) diags_->Sync();
    syncing_ = false;
}

// ---- what the logic asks of the toolkit ----

void TfrmQVMain::SetTimer(bool enabled, int interval_ms) {
    timer_->setInterval(std::max(interval_ms, 1));
    if (enabled && !timer_->isActive()) timer_->start();
    if (!enabled) timer_->stop();
}

void TfrmQVMain::Beep() {
    QApplication::beep();
}

void TfrmQVMain::ShowMessageWindow(int selector) {
    Sync();
    msg_->ShowModal(selector);
}

namespace {

// A message box whose button reads in the active language too.
void RunMessageBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                   const std::string& caption) {
    QMessageBox box(icon, Tr(caption), Tr(text), QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(Tr("OK"));
    box.exec();
}

}  // namespace

void TfrmQVMain::ShowErrorBox(const std::string& text, const std::string& caption) {
    Sync();
    RunMessageBox(this, QMessageBox::Critical, text, caption);
}

void TfrmQVMain::ShowInformationBox(const std::string& text, const std::string& caption) {
    Sync();
    RunMessageBox(this, QMessageBox::Information, text, caption);
}

std::vector<std::string> TfrmQVMain::RunOpenDialog(const app::OpenDialogRequest& request) {
    QFileDialog dialog(this);
    dialog.setObjectName("OpenDialog1");
    dialog.setFileMode(request.multi_select ? QFileDialog::ExistingFiles
                                            : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(Q(request.default_extension));
    QStringList filters;
    for (const app::OpenDialogFilter& f : request.filters) {
        QStringList patterns;
        for (const std::string& ext : f.extensions)
            patterns << AnyCasePattern(ext);
        filters << Q(f.label) + " (" + patterns.join(' ') + ")";
    }
    dialog.setNameFilters(filters);
    // A pattern as the file name would hide every other kind of recording; the filters choose.
    if (request.file_name.find('*') == std::string::npos) dialog.selectFile(Q(request.file_name));
    std::vector<std::string> chosen;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString& f : dialog.selectedFiles())
            chosen.push_back(f.toStdString());
    return chosen;
}

void TfrmQVMain::ProcessPendingEvents() {
    Sync();
    QCoreApplication::processEvents();
}

void TfrmQVMain::FocusControl(app::ControlName name) {
    if (QWidget* w = Widget(name)) w->setFocus(Qt::OtherFocusReason);
}

std::string TfrmQVMain::RunSaveDialog(const app::SaveDialogRequest& request) {
    QFileDialog dialog(this);
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Q(request.filter_label) + " (" + Q(request.filter_pattern) + ")");
    dialog.setDefaultSuffix(Q(request.default_extension));
    if (!request.folder.empty()) dialog.setDirectory(Q(request.folder));
    dialog.selectFile(Q(request.file_name));
    // Qt asks before replacing an existing file.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

void TfrmQVMain::RunCameraSettingsDialog() {
    Sync();
    camera_->Run();
}

void TfrmQVMain::FocusCameraField(int field) {
    camera_->FocusField(field);
}

void TfrmQVMain::RunExportDialog() {
    Sync();
    extract_->Run();
}

void TfrmQVMain::Wait(int ms) {
    QThread::msleep(static_cast<unsigned long>(std::max(ms, 0)));
}

void TfrmQVMain::ShowAbout() {
    about_->show();
}

void TfrmQVMain::Quit() {
    QCoreApplication::quit();
}

void TfrmQVMain::WakeForAudioNotices() {
    // Runs on the sound device's thread: the notices are answered on the window's thread, in the
    // order the event loop delivers them.
    QMetaObject::invokeMethod(
        this, [this] { Handle([&] { logic_->WmAudioNotice(); }); }, Qt::QueuedConnection);
}

}  // namespace qv::ui
