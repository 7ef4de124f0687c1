// Prints, for each file named on the command line, the MIME type and icon name that Qt's MIME
// database gives it: what a Qt or KDE file manager shows. The database comes from
// XDG_DATA_DIRS, so a test can point it at a staged tree.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase db;
    QTextStream out(stdout);
    const QStringList files = QCoreApplication::arguments().mid(1);
    for (const QString& file : files) {
        const QMimeType type = db.mimeTypeForFile(file);
        out << type.name() << ' ' << type.iconName() << '\n';
    }
    return 0;
}
