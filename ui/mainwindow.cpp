// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow.h"

#include "engine/uitext.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "ui/accessoryviewscrollview.h"
#include "ui/addressbookmenu.h"
#include "ui/appcontroller.h"
#include "ui/dataitemcontainerview.h"
#include "ui/filerevealer.h"
#include "ui/groupaccessorybuttons.h"
#include "ui/grouptablemodel.h"
#include "ui/listcheckboxcell.h"
#include "ui/listtextcell.h"
#include "ui/livepreview.h"
#include "ui/settingsbinder.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
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

const QColor kPanelColor = QColor::fromRgbF(0.842f, 0.867f, 0.894f);
const QColor kEditorColor = QColor::fromRgbF(1.0f, 0.866667f, 0.905882f);

QString expandedHome(const QString &path)
{
    if (path == u"~" || path.startsWith(u"~/"))
        return QDir::homePath() + path.mid(1);
    return path;
}

template<typename Widget>
Widget *named(Widget *widget, const QString &objectName, const QString &accessibleName)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    return widget;
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

    auto *right = named(new QSplitter(Qt::Vertical), u"previewSplitter"_s, uiText("Preview"));
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

    connect(&controller, &AppController::addressBookChanged, this,
            &MainWindow::showAddressBookState);
    showAddressBookState();
    resize(1100, 780);
}

QWidget *MainWindow::makeSourcePanel()
{
    auto *panel = named(new QWidget, u"sourceView"_s, uiText("Settings"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kPanelColor);
    panel->setPalette(palette);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(new QLabel(uiText("Groups")));
    layout->addWidget(makeGroupArea(), 1);
    layout->addWidget(makeSwitches());
    m_dataItems = new Vorlin_DataItemContainerView(panel);
    m_dataItems->setAccessibleName(uiText("Data order"));
    m_dataItems->setColor(kEditorColor);
    m_dataItems->buildRows(m_controller.store(), m_controller.binder(), m_controller.bundle(),
                           kPanelColor);
    layout->addWidget(m_dataItems);
    auto *generate
        = named(new QPushButton(uiText("Generate...")), u"generateButton"_s, uiText("Generate..."));
    generate->setToolTip(uiText("Write the page of the ticked groups"));
    connect(generate, &QPushButton::clicked, this, &MainWindow::generateHTML);
    layout->addWidget(generate);
    return panel;
}

QWidget *MainWindow::makeGroupArea()
{
    m_groupArea = named(new QStackedWidget, u"groupArea"_s, uiText("Groups"));
    m_groupsTable = named(new QEV_AccessoryViewScrollView, u"groupsTableView"_s, uiText("Groups"));
    GroupTableModel &model = m_controller.groupModel();
    m_groupsTable->setModel(&model);
    auto *checkbox = new QEV_ListCheckboxNSHCell(m_groupsTable);
    checkbox->setBgColor(Qt::white);
    auto *text = new QEV_ListTextNSHCell(m_groupsTable);
    text->setBgColor(Qt::white);
    m_groupsTable->setItemDelegateForColumn(GroupTableModel::IncludeColumn, checkbox);
    m_groupsTable->setItemDelegateForColumn(GroupTableModel::NameColumn, text);
    m_groupsTable->verticalHeader()->hide();
    m_groupsTable->horizontalHeader()->setSectionResizeMode(GroupTableModel::NameColumn,
                                                            QHeaderView::Stretch);
    m_groupsTable->setColumnWidth(GroupTableModel::IncludeColumn, 60);
    m_groupsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_groupsTable->setAccessoryView(new GroupAccessoryButtons(model, m_controller.bundle(),
                                                              m_groupsTable->scrollerViewWidth()));
    m_groupArea->addWidget(m_groupsTable);

    auto *missing = new QWidget;
    auto *layout = new QVBoxLayout(missing);
    layout->addWidget(named(new QLabel(uiText("No address book was found.")),
                            u"noAddressBookLabel"_s, uiText("No address book was found.")));
    auto *open = named(new QPushButton(uiText("Open Address Book...")), u"openAddressBookButton"_s,
                       uiText("Open Address Book..."));
    connect(open, &QPushButton::clicked, this, &MainWindow::openAddressBook);
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
        = {{SettingsKeys::sortByLast, "Sort by last name"},
           {SettingsKeys::includeImage, "Include pictures"},
           {SettingsKeys::includeGenericImages, "Generic pictures for contacts without one"},
           {SettingsKeys::includeJobTitle, "Include job titles"},
           {SettingsKeys::includeOrganization, "Include organizations"}};
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto &entry : switches) {
        auto *check = named(new QCheckBox(uiText(entry.title)), entry.key, uiText(entry.title));
        m_controller.binder().bindValue(check, u"values."_s + entry.key);
        layout->addWidget(check);
    }
    return box;
}

QWidget *MainWindow::makeStyleSheetEditor()
{
    auto *editor = named(new QPlainTextEdit, SettingsKeys::css, uiText("Style sheet"));
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The bundled style sheet indents with tabs; a tab as wide as four blanks keeps it readable.
    editor->setTabStopDistance(QFontMetricsF(editor->font()).horizontalAdvance(u' ') * 4);
    editor->setToolTip(uiText("The style sheet of the page; every change shows in the preview"));
    editor->setTabChangesFocus(true);
    m_controller.binder().bindValue(editor, u"values.css"_s);
    return editor;
}

void MainWindow::makeMenus()
{
    QMenu *file = menuBar()->addMenu(uiText("&File"));
    auto *books = new AddressBookMenu(file);
    connect(books, &AddressBookMenu::chooseFileRequested, this, &MainWindow::openAddressBook);
    connect(books, &AddressBookMenu::addressBookChosen, this, &MainWindow::chooseAddressBook);
    file->addMenu(books);
    file->addAction(uiText("Generate..."), QKeySequence::Save, this, &MainWindow::generateHTML);
    file->addSeparator();
    file->addAction(uiText("Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void MainWindow::makeStatusBar()
{
    m_progress = named(new QProgressBar, u"progressIndicator"_s, uiText("Progress"));
    m_progress->setRange(0, 1000);
    m_progress->setMaximumWidth(200);
    m_progress->hide();
    m_problemsLabel = named(new QLabel, u"problemsLabel"_s, uiText("Cards not read"));
    m_problemsButton = named(new QPushButton(uiText("Details...")), u"problemsButton"_s,
                             uiText("Show the cards that could not be read"));
    connect(m_problemsButton, &QPushButton::clicked, this, &MainWindow::showProblems);
    statusBar()->addWidget(m_problemsLabel);
    statusBar()->addWidget(m_problemsButton);
    statusBar()->addPermanentWidget(m_progress);
}

void MainWindow::showAddressBookState()
{
    m_groupArea->setCurrentIndex(m_controller.hasAddressBook() ? 0 : 1);
    const qsizetype problems = m_controller.addressBookProblems().size();
    m_problemsLabel->setText(
        problems == 0
            ? QString()
            : uiText("%@ cards could not be read.").replace(u"%@"_s, QString::number(problems)));
    m_problemsLabel->setVisible(problems > 0);
    m_problemsButton->setVisible(problems > 0);
}

void MainWindow::showProblems()
{
    auto *box = new QMessageBox(QMessageBox::Information, uiText("Cards not read"),
                                m_problemsLabel->text(), QMessageBox::Close, this);
    box->setObjectName(u"problemsAlert"_s);
    box->setDetailedText(m_controller.addressBookProblems().join(u'\n'));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::placeWindow()
{
    const QStringList frame = m_controller.store().objectForKey(kFrameKey).toString().split(u' ');
    if (frame.size() == 4) {
        setGeometry(frame[0].toInt(), frame[1].toInt(), frame[2].toInt(), frame[3].toInt());
        return;
    }
    QRect centred = geometry();
    centred.moveCenter(screen()->availableGeometry().center());
    setGeometry(centred);
}

void MainWindow::saveFrame()
{
    const QRect frame = geometry();
    m_controller.store().setObject(
        u"%1 %2 %3 %4"_s.arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height()),
        kFrameKey);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveFrame();
    event->accept();
}

void MainWindow::generateHTML()
{
    auto *dialog = new QFileDialog(this, uiText("Save"));
    dialog->setObjectName(u"saveDialog"_s);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setLabelText(QFileDialog::LookIn, uiText("Choose a location for the HTML output:"));
    dialog->setDefaultSuffix(u"html"_s);
    dialog->setNameFilter(uiText("HTML page (*.html)"));
    const QString last
        = m_controller.store().objectForKey(SettingsKeys::navLastCurrentDirectory).toString();
    dialog->setDirectory(last.isEmpty() ? QDir::homePath() + u"/Desktop"_s : expandedHome(last));
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
    const Expected<GenerationReport> result
        = m_controller.generateHTML(path, [this](std::optional<double> fraction) {
              if (fraction) {
                  m_progress->setRange(0, 1000);
                  m_progress->setValue(static_cast<int>(*fraction * 1000));
              }
              // Redrawn after each change, and the window keeps answering, but no click
              // may change the settings under the running generation.
              QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
          });
    m_progress->hide();
    if (result) {
        m_revealer(path);
        return;
    }
    QApplication::beep();
    auto *alert = new QMessageBox(QMessageBox::Warning, uiText("The page could not be written."),
                                  result.error(), QMessageBox::Ok, this);
    alert->setObjectName(u"generationAlert"_s);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
}

void MainWindow::openAddressBook()
{
    auto *dialog = new QFileDialog(this, uiText("Open Address Book..."));
    dialog->setObjectName(u"openAddressBookDialog"_s);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(uiText("vCard files or folders (*.vcf *.vcard)"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &MainWindow::chooseAddressBook);
    dialog->open();
}

void MainWindow::chooseAddressBook(const QString &name)
{
    if (m_controller.chooseAddressBook(name))
        return;
    auto *alert
        = new QMessageBox(QMessageBox::Warning, uiText("The address book could not be opened."),
                          m_controller.openError(), QMessageBox::Ok, this);
    alert->setObjectName(u"openAddressBookAlert"_s);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
}

void MainWindow::setRevealer(std::function<void(const QString &)> revealer)
{
    m_revealer = std::move(revealer);
}
