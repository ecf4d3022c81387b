// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/field.h"
#include "core/zelmoform.h"
#include "gui/aboutwindow.h"
#include "gui/helpwindow.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>

class QLineEdit;

// The window "Zelmo": controls at their fixed places, every event forwarded to
// ZelmoForm, the help and About windows opened on request.
class MainWindow : public QMainWindow, public Fields {
    Q_OBJECT
public:
    // siteFolder: where Lat and Long are read and written. host: where beeps,
    // messages and focus moves go; the desktop when null.
    explicit MainWindow(const QString& siteFolder, FormHost* host = nullptr);
    ~MainWindow() override;

    QString text(Field field) const override;
    void setText(Field field, const QString& text) override;

    HelpWindow* helpWindow() const { return m_help; }
    AboutWindow* aboutWindow() const { return m_about; }

    void openHelp();
    void openAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleRow(QWidget* client);
    void buildSiteGroup(QWidget* client);
    void buildSatelliteGroup(QWidget* client);
    void buildResults(QWidget* client);
    void buildMenu();
    void setTabCycle();
    QLineEdit* addField(QWidget* parent, Field field, QRect geometry);
    void bringToFront();

    std::unique_ptr<FormHost> m_ownHost;
    FormHost& m_host;
    ZelmoForm m_form;
    std::map<Field, QLineEdit*> m_fields;
    QPointer<HelpWindow> m_help;
    QPointer<AboutWindow> m_about;
};
