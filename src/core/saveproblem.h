// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Why a site file could not be written, as the user is told.
enum class SaveProblem {
    AccessDenied,
    FolderInTheWay,
    SpecialFileInTheWay, // a named pipe, a device or a socket
    DiskFull,
    ReadOnlyDisk,
    Other
};

// A short French reason, for the message "Impossible d'enregistrer le fichier Lat : …".
QString saveProblemText(SaveProblem problem);

// The system's error number for the last failed call: errno, or on Windows
// GetLastError(). Cleared before a step, read right after it fails.
int lastSystemError();
void clearSystemError();

// What stands in the way of writing the file at path, from the system's error number
// (0 when unknown) and from what is found there.
SaveProblem diagnoseSaveProblem(const QString& path, int systemError);
