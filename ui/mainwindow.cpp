// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow.h"

#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "ui/accessoryviewscrollview.h"
#include "ui/addressbookmenu.h"
#include "ui/appcontroller.h"
#include "ui/carddavprompts.h"
#include "ui/dataitemcontainerview.h"
#include "ui/elidedlabel.h"
#include "ui/filerevealer.h"
#include "ui/groupaccessorybuttons.h"
#include "ui/grouptablemodel.h"
#include "ui/listcheckboxcell.h"
#include "ui/listtextcell.h"
#include "ui/livepreview.h"
#include "ui/pagelanguagepanel.h"
#include "ui/panelcolors.h"
#include "ui/settingsbinder.h"
#include "ui/uitext.h"
#include "ui/windowframe.h"
#include "util/homepath.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template<typename Widget>
Widget *named(Widget *widget, const QString &objectName, const QString &accessibleName)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    return widget;
}

struct Message
{
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButton button = QMessageBox::Ok;
    QString objectName;
    QString title;
    QString text;
    QString details; // folded out below the text; none when empty
};

// Window-modal through open(), not exec(): the caller returns at once, with no event loop
// of the box's own running under it. The box deletes itself once closed.
void openMessage(QWidget *window, const Message &message)
{
    auto *box
        = named(new QMessageBox(message.icon, message.title, message.text, message.button, window),
                message.objectName, message.title);
    box->setDetailedText(message.details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

MainWindow::MainWindow(AppController &controller, bool withPreview, QWidget *parent)
    : QMainWindow(parent)
    , m_controller(controller)
    , m_revealer(revealInFileManager)
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(u"Vorlin"_s);
    setAccessibleName(u"Vorlin"_s);

    auto *right = named(new QSplitter(Qt::Vertical), u"previewSplitter"_s, UiText::tr("Preview"));
    if (withPreview) {
        m_preview = new LivePreview(right);
        connect(&controller, &AppController::previewChanged, m_preview, &LivePreview::showPage);
    }
    right->addWidget(makeStyleSheetEditor());
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 1);
    right->setSizes({560, 180});

    auto *central = named(new QSplitter(Qt::Horizontal), u"centralSplitter"_s, u"Vorlin"_s);
    central->addWidget(makeSourcePanel());
    central->addWidget(right);
    central->setStretchFactor(1, 1);
    setCentralWidget(central);
    makeMenus();
    makeStatusBar();
    applyPanelColors();

    connect(&controller, &AppController::addressBookChanged, this,
            &MainWindow::showAddressBookState);
    connect(&controller, &AppController::serverStateChanged, this,
            &MainWindow::showAddressBookState);
    connect(&controller, &AppController::passwordNeeded, this,
            [this](const QString &account, bool refused) {
                CardDavPrompts::askPassword(this, account, refused,
                                            [this](const std::optional<QString> &password) {
                                                m_controller.givePassword(password);
                                            });
            });
    connect(&controller, &AppController::passwordNotKept, this, [this](const QString &reason) {
        alert(u"keyringAlert"_s,
              UiText::tr("The password was taken but could not be kept in the keyring."), reason);
    });
    showAddressBookState();
    resize(kDefaultSize);
}

QWidget *MainWindow::makeSourcePanel()
{
    auto *panel = named(new QWidget, u"sourceView"_s, UiText::tr("Settings"));
    panel->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel(UiText::tr("Groups")));
    layout->addWidget(makeGroupArea(), 1);
    layout->addWidget(makeSwitches());
    m_dataItems = new Vorlin_DataItemContainerView(panel);
    m_dataItems->setAccessibleName(UiText::tr("Data order"));
    m_dataItems->buildRows(m_controller.store(), m_controller.binder(), m_controller.bundle(),
                           PanelColors::forPalette(palette()).panel);
    layout->addWidget(m_dataItems);
    auto *generate = named(new QPushButton(UiText::tr("Generate...")), u"generateButton"_s,
                           UiText::tr("Generate..."));
    generate->setToolTip(UiText::tr("Write the page of the ticked groups"));
    connect(generate, &QPushButton::clicked, this, &MainWindow::generateHTML);
    layout->addWidget(generate);
    m_sourcePanel = panel;
    return panel;
}

QWidget *MainWindow::makeGroupArea()
{
    m_groupArea = named(new QStackedWidget, u"groupArea"_s, UiText::tr("Groups"));
    m_groupsTable
        = named(new QEV_AccessoryViewScrollView, u"groupsTableView"_s, UiText::tr("Groups"));
    GroupTableModel &model = m_controller.groupModel();
    m_groupsTable->setModel(&model);
    m_checkboxCell = new QEV_ListCheckboxNSHCell(m_groupsTable);
    m_textCell = new QEV_ListTextNSHCell(m_groupsTable);
    m_groupsTable->setItemDelegateForColumn(GroupTableModel::IncludeColumn, m_checkboxCell);
    m_groupsTable->setItemDelegateForColumn(GroupTableModel::NameColumn, m_textCell);
    m_groupsTable->verticalHeader()->hide();
    QHeaderView *header = m_groupsTable->horizontalHeader();
    header->setSectionResizeMode(GroupTableModel::NameColumn, QHeaderView::Stretch);
    // 60 points, or wider where a large font needs it for the column's title.
    m_groupsTable->setColumnWidth(
        GroupTableModel::IncludeColumn,
        std::max(60, header->sectionSizeHint(GroupTableModel::IncludeColumn)));
    m_groupsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *buttons = new GroupAccessoryButtons(model, m_controller.bundle(),
                                              m_groupsTable->scrollerViewWidth());
    connect(buttons, &GroupAccessoryButtons::refreshRequested, &m_controller,
            &AppController::refreshAddressBook);
    m_groupsTable->setAccessoryView(buttons);
    // A page of its own: the buttons lie beside the table, and a stack shows assistive
    // technology only its pages, not other children.
    auto *tablePage = new QWidget;
    tablePage->setObjectName(u"groupTablePage"_s);
    auto *tableLayout = new QVBoxLayout(tablePage);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(m_groupsTable);
    m_groupArea->addWidget(tablePage);

    auto *missing = new QWidget;
    auto *layout = new QVBoxLayout(missing);
    m_noAddressBookLabel = named(new QLabel(UiText::tr("No address book was found.")),
                                 u"noAddressBookLabel"_s, UiText::tr("No address book was found."));
    m_noAddressBookLabel->setWordWrap(true);
    layout->addWidget(m_noAddressBookLabel);
    auto *open = named(new QPushButton(UiText::tr("Open Address Book...")),
                       u"openAddressBookButton"_s, UiText::tr("Open Address Book..."));
    connect(open, &QPushButton::clicked, this, [this] { openAddressBook(); });
    layout->addWidget(open);
    layout->addStretch();
    m_groupArea->addWidget(missing);
    return m_groupArea;
}

QWidget *MainWindow::makeSwitches()
{
    const struct
    {
        QString key;
        const char *title;
    } switches[]
        = {{SettingsKeys::sortByLast, QT_TRANSLATE_NOOP("ui", "Sort by last name")},
           {SettingsKeys::includeImage, QT_TRANSLATE_NOOP("ui", "Include pictures")},
           {SettingsKeys::includeGenericImages,
            QT_TRANSLATE_NOOP("ui", "Generic pictures for contacts without one")},
           {SettingsKeys::includeJobTitle, QT_TRANSLATE_NOOP("ui", "Include job titles")},
           {SettingsKeys::includeOrganization, QT_TRANSLATE_NOOP("ui", "Include organizations")}};
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto &entry : switches) {
        auto *check
            = named(new QCheckBox(UiText::tr(entry.title)), entry.key, UiText::tr(entry.title));
        m_controller.binder().bindValue(check, u"values."_s + entry.key);
        layout->addWidget(check);
    }
    layout->addWidget(new PageLanguagePanel(m_controller.binder(), m_controller.bundle()));
    return box;
}

QWidget *MainWindow::makeStyleSheetEditor()
{
    auto *editor = named(new QPlainTextEdit, SettingsKeys::css, UiText::tr("Style sheet"));
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The bundled style sheet indents with tabs; a tab as wide as four blanks keeps it readable.
    editor->setTabStopDistance(QFontMetricsF(editor->font()).horizontalAdvance(u' ') * 4);
    editor->setToolTip(
        UiText::tr("The style sheet of the page; every change shows in the preview"));
    editor->setTabChangesFocus(true);
    m_controller.binder().bindValue(editor, u"values.css"_s);
    return editor;
}

void MainWindow::makeMenus()
{
    QMenu *file = menuBar()->addMenu(UiText::tr("&File"));
    auto *books = new AddressBookMenu(file);
    connect(books, &AddressBookMenu::chooseFileRequested, this, [this] { openAddressBook(); });
    connect(books, &AddressBookMenu::chooseFolderRequested, this,
            [this] { openAddressBook(true); });
    connect(books, &AddressBookMenu::addressBookChosen, this, &MainWindow::chooseAddressBook);
    connect(books, &AddressBookMenu::cardDavRequested, this, [this] {
        CardDavPrompts::askAddress(this, [this](const QString &url) { chooseAddressBook(url); });
    });
    file->addMenu(books);
    file->addAction(UiText::tr("Generate..."), QKeySequence::Save, this, &MainWindow::generateHTML);
    file->addSeparator();
    file->addAction(UiText::tr("Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void MainWindow::applyPanelColors()
{
    const PanelColors colors = PanelColors::forPalette(palette());
    QPalette panelPalette = m_sourcePanel->palette();
    panelPalette.setColor(QPalette::Window, colors.panel);
    panelPalette.setColor(QPalette::PlaceholderText, colors.placeholder);
    m_sourcePanel->setPalette(panelPalette);
    m_dataItems->setColor(colors.editor);
    m_dataItems->setRowColor(colors.panel);
    m_dataItems->setArrowColor(colors.arrows);
    m_checkboxCell->setBgColor(colors.cell);
    m_textCell->setBgColor(colors.cell);
    m_textCell->setTextColor(colors.cellText);
    m_groupsTable->viewport()->update();
}

void MainWindow::makeStatusBar()
{
    m_progress = named(new QProgressBar, u"progressIndicator"_s, UiText::tr("Progress"));
    m_progress->setRange(0, 1000);
    m_progress->setMaximumWidth(200);
    // A window of its own: the web view makes every redraw of the main window a composition
    // of the whole window through OpenGL, which in software (virtual machines, remote
    // desktops) made a generation three times slower; the bar alone redraws cheaply.
    m_progress->setAttribute(Qt::WA_NativeWindow);
    m_progress->hide();
    m_addressBookLabel = named(new ElidedLabel, u"addressBookLabel"_s, UiText::tr("Address book"));
    m_problemsLabel = named(new QLabel, u"problemsLabel"_s, UiText::tr("Problems while reading"));
    m_problemsButton = named(new QPushButton(UiText::tr("Details...")), u"problemsButton"_s,
                             UiText::tr("Show what could not be read"));
    connect(m_problemsButton, &QPushButton::clicked, this, &MainWindow::showProblems);
    m_generatedLabel = named(new ElidedLabel, u"generatedLabel"_s, UiText::tr("Last page"));
    m_generatedLabel->hide();
    m_serverLabel = named(new ElidedLabel, u"serverLabel"_s, UiText::tr("Server"));
    statusBar()->addWidget(m_addressBookLabel);
    statusBar()->addWidget(m_serverLabel);
    statusBar()->addWidget(m_problemsLabel);
    statusBar()->addWidget(m_problemsButton);
    statusBar()->addWidget(m_generatedLabel, 1);
    statusBar()->addPermanentWidget(m_progress);
}

namespace {

// "4 values could not be read", "1 file could not be read", or both.
QString problemsText(qsizetype problems, qsizetype unreadFiles)
{
    QStringList parts;
    if (const qsizetype values = problems - unreadFiles; values > 0)
        parts.append(UiText::tr("%Ln value(s) could not be read", nullptr, int(values)));
    if (unreadFiles > 0)
        parts.append(UiText::tr("%Ln file(s) could not be read", nullptr, int(unreadFiles)));
    return parts.join(u", "_s);
}

} // namespace

void MainWindow::showAddressBookState()
{
    const bool open = m_controller.hasAddressBook();
    m_groupArea->setCurrentIndex(open ? 0 : 1);
    const QString &missing = m_controller.missingReason();
    m_noAddressBookLabel->setText(
        missing.isEmpty()
            ? UiText::tr("No address book was found.")
            : UiText::tr("The address book cannot be read now: %@").replace(u"%@"_s, missing));
    const std::optional<QString> &name = m_controller.addressBookPath();
    m_addressBookLabel->setFullText(
        !name ? UiText::tr("No address book")
              : UiText::tr("%1: %2").arg(
                  *name,
                  open ? UiText::tr("%Ln contact(s)", nullptr, int(m_controller.contactCount()))
                       : UiText::tr("cannot be read")));
    showServerState();
    const QString problems
        = problemsText(m_controller.problemCount(), m_controller.unreadFileCount());
    m_problemsLabel->setText(problems);
    m_problemsLabel->setVisible(!problems.isEmpty());
    m_problemsButton->setVisible(!problems.isEmpty());
}

// While the server is asked, and when it could not be read: then the copy is what is shown.
void MainWindow::showServerState()
{
    const QString &problem = m_controller.serverProblem();
    QString text;
    if (m_controller.isAskingServer())
        text = UiText::tr("Asking the server...");
    else if (!problem.isEmpty())
        text = m_controller.hasAddressBook()
            ? UiText::tr("The server could not be read; this is the local copy: %1").arg(problem)
            : UiText::tr("The server could not be read: %1").arg(problem);
    m_serverLabel->setFullText(text);
    m_serverLabel->setAccessibleDescription(text);
    m_serverLabel->setVisible(!text.isEmpty());
}

void MainWindow::showProblems()
{
    openMessage(this,
                {QMessageBox::Information, QMessageBox::Close, u"problemsAlert"_s,
                 UiText::tr("Problems while reading"), m_problemsLabel->text(),
                 m_controller.addressBookProblems().join(u'\n')});
}

void MainWindow::placeWindow()
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const std::optional<QRect> frame
        = WindowFrame::parse(m_controller.store().objectForKey(kFrameKey).toString());
    if (frame) {
        setGeometry(WindowFrame::fitted(*frame, screens));
        return;
    }
    QRect centred(QPoint(), kDefaultSize);
    centred.moveCenter(screen()->availableGeometry().center());
    setGeometry(WindowFrame::fitted(centred, screens));
}

void MainWindow::saveFrame()
{
    m_controller.store().setObject(WindowFrame::format(geometry()), kFrameKey);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveFrame();
    event->accept();
}

// The settings reach the disk a moment after an edit; leaving the window writes them at once.
// A new palette (the desktop turned dark or light) recolours the panel.
void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_controller.store().synchronize();
    if (event->type() == QEvent::PaletteChange && m_sourcePanel)
        applyPanelColors();
    QMainWindow::changeEvent(event);
}

void MainWindow::generateHTML()
{
    if (!m_controller.refreshAddressBook()) {
        QApplication::beep();
        const QString &missing = m_controller.missingReason();
        alert(u"nothingToExportAlert"_s, UiText::tr("There is nothing to export."),
              missing.isEmpty() ? UiText::tr("No address book is open. Choose one with File > Open "
                                             "Address Book.")
                                : missing);
        return;
    }
    auto *dialog = new QFileDialog(this, UiText::tr("Save"));
    dialog->setObjectName(u"saveDialog"_s);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setLabelText(QFileDialog::LookIn, UiText::tr("Choose a location for the HTML output:"));
    dialog->setDefaultSuffix(u"html"_s);
    dialog->setNameFilter(UiText::tr("HTML page (*.html)"));
    dialog->setDirectory(pageFolder(
        m_controller.store().objectForKey(SettingsKeys::navLastCurrentDirectory).toString()));
    dialog->selectFile(m_controller.store().objectForKey(SettingsKeys::fileName).toString());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        m_controller.store().setObject(QFileInfo(path).absolutePath(),
                                       SettingsKeys::navLastCurrentDirectory);
        generateTo(path);
    });
    dialog->open();
}

void MainWindow::generateTo(const QString &path)
{
    m_progress->show();
    m_progress->setRange(0, 0);
    QElapsedTimer sinceRedraw;
    sinceRedraw.start();
    const Expected<GenerationReport> result
        = m_controller.generateHTML(path, [&](std::optional<double> fraction) {
              if (fraction) {
                  m_progress->setRange(0, 1000);
                  m_progress->setValue(static_cast<int>(*fraction * 1000));
              }
              // Redrawn a few times a second, which is all an eye follows, and the window
              // keeps answering; no click may change the settings under the running generation.
              if (sinceRedraw.hasExpired(kRedrawInterval)) {
                  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                  sinceRedraw.restart();
              }
          });
    m_progress->hide();
    if (result) {
        showGenerated(path, result->contactCount);
        m_revealer(path);
        return;
    }
    QApplication::beep();
    alert(u"generationAlert"_s, UiText::tr("The page could not be written."), result.error());
}

void MainWindow::showGenerated(const QString &path, qsizetype contacts)
{
    m_generatedLabel->setFullText(UiText::tr("%1 written to %2")
                                      .arg(UiText::tr("%Ln contact(s)", nullptr, int(contacts)),
                                           QDir::toNativeSeparators(path)));
    m_generatedLabel->show();
}

void MainWindow::openAddressBook(bool folder)
{
    auto *dialog = new QFileDialog(this, UiText::tr("Open Address Book..."));
    dialog->setObjectName(u"openAddressBookDialog"_s);
    if (folder) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(UiText::tr("vCard files (*.vcf *.vcard)"));
    }
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &MainWindow::chooseAddressBook);
    dialog->open();
}

void MainWindow::chooseAddressBook(const QString &name)
{
    if (!m_controller.chooseAddressBook(name))
        alert(u"openAddressBookAlert"_s, UiText::tr("The address book could not be opened."),
              m_controller.openError());
}

void MainWindow::alert(const QString &objectName, const QString &title, const QString &text)
{
    openMessage(this, {QMessageBox::Warning, QMessageBox::Ok, objectName, title, text, {}});
}

void MainWindow::setRevealer(std::function<void(const QString &)> revealer)
{
    m_revealer = std::move(revealer);
}
