// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a fuzz target over every file of the folders or files named on the command
// line, as libFuzzer replays a corpus; a failing input aborts inside the target.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool replay(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(
        reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    return true;
}

}

int main(int argc, char* argv[])
{
    QTextStream out(stdout);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QStringList files { path };
        if (QFileInfo(path).isDir()) {
            files.clear();
            const QDir folder(path);
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
                files << folder.filePath(name);
        }
        for (const QString& file : files) {
            if (!replay(file)) {
                out << "cannot read " << file << Qt::endl;
                return EXIT_FAILURE;
            }
            ++inputs;
        }
    }
    out << inputs << " inputs replayed" << Qt::endl;
    return inputs > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
