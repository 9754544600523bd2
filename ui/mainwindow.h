// SPDX-License-Identifier: GPL-3.0-or-later
// The one window: the switches of the page, the group table with its buttons (or, without
// an address book or when it is gone, why and an offer to open one), the data-order editor,
// the style-sheet editor, the live preview, and the generate command with its progress bar.
// Its colours follow the desktop's palette, light or dark; Tab visits every control in
// reading order, down the settings panel, then the style sheet.
// The status bar names the open address book with its contacts and problems, whether its
// CardDAV server is being asked or could not be read, and where the last page went. Its frame is
// kept under "NSWindow Frame main", put back onto a screen when it is restored; a first start
// centres it. Closing it ends the application.
#pragma once

#include "engine/pagegenerator.h"

#include <QMainWindow>

#include <functional>

class AppController;
class ElidedLabel;
class LivePreview;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QEV_AccessoryViewScrollView;
class QEV_ListCheckboxNSHCell;
class QEV_ListTextNSHCell;
class Vorlin_DataItemContainerView;

class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    static inline const QString kFrameKey = QStringLiteral("NSWindow Frame main");
    static constexpr QSize kDefaultSize{1100, 780};
    /// How often the window is redrawn during a generation, in milliseconds.
    static constexpr qint64 kRedrawInterval = 100;

    /// withPreview false leaves the web view out (tests of everything else).
    explicit MainWindow(AppController &controller, bool withPreview = true,
                        QWidget *parent = nullptr);

    /// Centres the window on a first start, else puts it at its saved frame.
    void placeWindow();

    /// The generate command: asks for the file, window-modal, then generateTo().
    void generateHTML();
    /// Writes the page to path with the progress bar; on failure beeps and shows an alert.
    void generateTo(const QString &path);
    /// Open Address Book > Choose a file... (or, with folder, Choose a folder...): asks for one.
    void openAddressBook(bool folder = false);
    /// Opens the address book of that name and remembers it; an alert says why it could not.
    void chooseAddressBook(const QString &name);

    /// Where the generated file is shown; the file manager unless a test says otherwise.
    void setRevealer(std::function<void(const QString &)> revealer);
    [[nodiscard]] LivePreview *preview() const { return m_preview; }
    [[nodiscard]] Vorlin_DataItemContainerView *dataItemsView() const { return m_dataItems; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *makeSourcePanel();
    QWidget *makeGroupArea();
    QWidget *makeSwitches();
    QWidget *makeStyleSheetEditor();
    void makeMenus();
    /// The panel's colours for the window's palette, again whenever the palette changes.
    void applyPanelColors();
    void makeStatusBar();
    void showAddressBookState();
    void showServerState();
    void showProblems();
    void showGenerated(const QString &path, qsizetype contacts);
    /// A window-modal warning.
    void alert(const QString &objectName, const QString &title, const QString &text);
    void saveFrame();

    AppController &m_controller;
    LivePreview *m_preview = nullptr;
    QWidget *m_sourcePanel = nullptr;
    QEV_ListCheckboxNSHCell *m_checkboxCell = nullptr;
    QEV_ListTextNSHCell *m_textCell = nullptr;
    QEV_AccessoryViewScrollView *m_groupsTable = nullptr;
    QStackedWidget *m_groupArea = nullptr;
    Vorlin_DataItemContainerView *m_dataItems = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_noAddressBookLabel = nullptr;
    ElidedLabel *m_addressBookLabel = nullptr;
    QLabel *m_problemsLabel = nullptr;
    ElidedLabel *m_generatedLabel = nullptr;
    ElidedLabel *m_serverLabel = nullptr;
    QPushButton *m_problemsButton = nullptr;
    std::function<void(const QString &)> m_revealer;
};
