// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// The window "Zelmo": its controls at their places, the text boxes' changes and
// the buttons forwarded to ZelmoForm, and the help and About windows opened on
// request. How controls are placed, and which keys reach a text box, are the
// business of formlayout and keyfilter.

#include "gui/mainwindow.h"

#include "gui/aboutwindow.h"
#include "gui/desktophost.h"
#include "gui/formlayout.h"
#include "gui/helpwindow.h"
#include "gui/keyfilter.h"
#include "gui/windowfront.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <limits>

namespace {

const QColor darkRed(192, 0, 0);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

}

MainWindow::MainWindow(const QString& siteFolder, FormHost* host)
    : m_ownHost(host ? nullptr : std::make_unique<DesktopHost>(*this))
    , m_host(host ? *host : *m_ownHost)
    , m_form(*this, m_host, SiteStore(siteFolder))
{
    setObjectName(QStringLiteral("Zelmo"));
    setWindowTitle(QStringLiteral("Vantor Azimut et Elévation"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/globe-16.png"));
    icon.addFile(QStringLiteral(":/globe-32.png"));
    setWindowIcon(icon);
    setFont(sansFont(8.25));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(6795), twipsToPixels(3420));
    setCentralWidget(client);

    buildTitleRow(client);
    buildSiteGroup(client);
    buildSatelliteGroup(client);
    buildResults(client);
    buildMenu();
    setTabCycle();
    for (const auto& [field, edit] : m_fields) {
        edit->setAccessibleName(spokenName(field));
        edit->setAccessibleDescription(edit->toolTip());
    }
    resize(client->width(), client->height() + menuBar()->sizeHint().height());

    auto* noModifiedTyping = new NoTypingWithModifiers(this);
    for (const auto& [field, edit] : m_fields) {
        if (field == Field::Azdg || field == Field::Eldg)
            continue;
        connect(edit, &QLineEdit::textChanged, this, [this, f = field] { m_form.fieldChanged(f); });
        edit->installEventFilter(noModifiedTyping);
    }

    m_form.load();
    // Whatever the site files held, the window opens in the satellite position.
    m_fields.at(Field::D3)->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow()
{
    delete m_help;
    delete m_about;
}

QString MainWindow::text(Field field) const { return m_fields.at(field)->text(); }

void MainWindow::setText(Field field, const QString& text) { m_fields.at(field)->setText(text); }

QLineEdit* MainWindow::addField(QWidget* parent, Field field, QRect geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(fieldName(field));
    edit->setGeometry(geometry);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(std::numeric_limits<int>::max()); // no limit: the checks decide
    m_fields[field] = edit;
    return edit;
}

void MainWindow::buildTitleRow(QWidget* client)
{
    auto* quit = addButton(client, "Q", twips(90, 210, 855, 315), QStringLiteral("Quitter"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto* title = addLabel(client, "Label1", twips(1110, 150, 4815, 405), QStringLiteral("VANTOR"));
    title->setFont(serifFont(18, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(title, darkRed);

    auto* picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("Picture3"));
    picture->setGeometry(twips(6120, 60, 615, 615));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QPixmap(QStringLiteral(":/globe-picture.png")));
    picture->setBackgroundRole(QPalette::Base);
    picture->setAutoFillBackground(true);
}

void MainWindow::buildSiteGroup(QWidget* client)
{
    auto* frame = addFrame(
        client, "Frame1", twips(180, 720, 3195, 1365), QStringLiteral("Coordonnées géographiques"));
    addLabel(frame, "Label11", twips(1110, 180, 525, 195), QStringLiteral("degrés"));
    addLabel(frame, "Label12", twips(1860, 180, 585, 195), QStringLiteral("minutes"));
    auto* points = addLabel(frame, "Label13", twips(2610, 180, 405, 195), QStringLiteral("points"));
    // A stand-in face may run a little wider than MS Sans Serif: this narrow heading
    // then shrinks by steps of three quarters of a point until it fits.
    for (qreal size = 8.25; size > 6; size -= 0.75) {
        points->setFont(sansFont(size));
        if (fitsAcross(*points))
            break;
    }
    addLabel(frame, "Label2", twips(180, 420, 825, 285), QStringLiteral("Latitude"));
    addLabel(frame, "Label4", twips(150, 720, 825, 285), QStringLiteral("Longitude"));

    auto* degrees = addField(frame, Field::D, twips(990, 420, 765, 285));
    setBackground(degrees, Qt::white);
    addField(frame, Field::M, twips(1770, 420, 765, 285));
    addField(frame, Field::ns, twips(2550, 420, 465, 285))
        ->setToolTip(QStringLiteral("Exemple N ou S "));
    addField(frame, Field::D2, twips(990, 720, 765, 285));
    addField(frame, Field::M2, twips(1770, 720, 765, 285));
    addField(frame, Field::eo, twips(2550, 720, 465, 285))
        ->setToolTip(QStringLiteral("Exemple E ou O"));
    for (Field field : { Field::D, Field::M, Field::ns, Field::D2, Field::M2, Field::eo })
        setTextColor(m_fields[field], blue);

    auto* clear = addButton(frame, "efface", twips(150, 1080, 855, 225), QStringLiteral("Effacer"));
    clear->setAccessibleName(QStringLiteral("Effacer le site"));
    connect(clear, &QPushButton::clicked, this, [this] { m_form.efface(); });
    auto* save
        = addButton(frame, "Enreg", twips(1620, 1080, 1005, 225), QStringLiteral("Enregistrer"));
    connect(save, &QPushButton::clicked, this, [this] { m_form.enregistrer(); });
    useWindowFont(frame, font());
}

void MainWindow::buildSatelliteGroup(QWidget* client)
{
    auto* frame = addFrame(
        client, "Frame2", twips(3480, 720, 3195, 1365), QStringLiteral("Coordonnées du satellite"));
    addLabel(frame, "Label5", twips(150, 300, 825, 285), QStringLiteral("Position"));
    addLabel(frame, "Label7", twips(2490, 300, 525, 255), QStringLiteral("degrés"));
    addLabel(frame, "Label6", twips(150, 600, 825, 285), QStringLiteral("Est/Ouest"));

    auto* position = addField(frame, Field::D3, twips(990, 420, 1425, 285));
    position->setToolTip(QStringLiteral("Exemple: 13 ou 19.2 "));
    auto* side = addField(frame, Field::eo2, twips(990, 720, 1425, 285));
    side->setToolTip(QStringLiteral("Exemple E ou O "));
    for (QLineEdit* edit : { position, side }) {
        edit->setFont(sansFont(9.75));
        setTextColor(edit, darkRed);
    }

    auto* clear
        = addButton(frame, "efface2", twips(120, 1080, 855, 225), QStringLiteral("Effacer"));
    clear->setAccessibleName(QStringLiteral("Effacer le satellite"));
    connect(clear, &QPushButton::clicked, this, [this] { m_form.efface2(); });
    useWindowFont(frame, font());

    auto* calcul
        = addButton(client, "Calcul", twips(180, 2130, 6525, 345), QStringLiteral("Calcul"));
    connect(calcul, &QPushButton::clicked, this, [this] { m_form.calcul(); });
}

void MainWindow::buildResults(QWidget* client)
{
    auto* frame
        = addFrame(client, "Frame3", twips(150, 2490, 6525, 795), QStringLiteral("Satellite"));
    addLabel(frame, "Label3", twips(150, 360, 1245, 255), QStringLiteral("Azimut"));
    addLabel(frame, "Label9", twips(2370, 360, 525, 255), QStringLiteral("degrés"));
    addLabel(frame, "Label8", twips(3360, 360, 1245, 255), QStringLiteral("Elévation"));
    addLabel(frame, "Label10", twips(5760, 360, 525, 255), QStringLiteral("degrés"));
    auto* azimuth = addField(frame, Field::Azdg, twips(930, 330, 1425, 285));
    auto* elevation = addField(frame, Field::Eldg, twips(4320, 330, 1425, 285));
    for (QLineEdit* edit : { azimuth, elevation }) {
        edit->setReadOnly(true); // still takes the focus, and its text can be copied
        edit->setFont(sansFont(9.75));
        setTextColor(edit, red);
    }
    useWindowFont(frame, font());
}

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("Fichier"));
    file->setObjectName(QStringLiteral("fic"));
    QAction* quit = file->addAction(QStringLiteral("Quitter"));
    quit->setObjectName(QStringLiteral("Quit"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    // Top-level items that act at once, with no drop-down.
    QAction* help = menuBar()->addAction(QStringLiteral("Aide"));
    help->setObjectName(QStringLiteral("aid"));
    connect(help, &QAction::triggered, this, &MainWindow::openHelp);
    QAction* about = menuBar()->addAction(QStringLiteral("à propos..."));
    about->setObjectName(QStringLiteral("prop"));
    connect(about, &QAction::triggered, this, &MainWindow::openAbout);
}

void MainWindow::setTabCycle()
{
    const Control order[] = { Control::D3, Control::eo2, Control::Calcul, Control::D, Control::M,
        Control::ns, Control::D2, Control::M2, Control::eo, Control::Azdg, Control::Eldg,
        Control::Q, Control::efface, Control::efface2, Control::Enreg };
    QWidget* previous = nullptr;
    for (Control control : order) {
        auto* widget = findChild<QWidget*>(controlName(control));
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainWindow::bringToFront() { showInFront(*this); }

void MainWindow::openHelp()
{
    if (!m_help) {
        m_help = new HelpWindow;
        connect(m_help, &HelpWindow::dismissed, this, &MainWindow::bringToFront);
    }
    m_help->showAndActivate();
}

void MainWindow::openAbout()
{
    if (!m_about) {
        m_about = new AboutWindow;
        connect(m_about, &AboutWindow::dismissed, this, &MainWindow::bringToFront);
    }
    m_about->showAndActivate();
}

// Quitter, the menu item and the window frame all end the program at once, with
// every window, shown or hidden: no hidden window may keep it running.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_help)
        m_help->close();
    if (m_about)
        m_about->close();
    event->accept();
    QCoreApplication::quit();
}
