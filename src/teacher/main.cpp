// ぴよたの研修旅行 先生用: the teachers' overview of a class's progress files.
// Takes the folder to open as its one optional argument.

#include "desktop_identity.h"
#include "fonts.h"
#include "translations.h"
#include "teacher_dialogs.h"
#include "teacher_window.h"
#include "overview_title.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    using namespace piyota;
    using namespace piyota::teacher;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("piyota-teacher"));
    QApplication::setDesktopFileName(teacherDesktopFileName());
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setFont(gothicFont(10));
    installJapaneseTranslations(application);

    QCommandLineParser options;
    options.setApplicationDescription(overviewTitle() + QStringLiteral(
        "：フォルダの進み具合のファイル（.ucd）を読み、クラスの結果を表とグラフで示します。ファイルは読むだけで、変えません。"));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("フォルダ"), QStringLiteral("始めに開くフォルダ"),
                                  QStringLiteral("[フォルダ]"));
    options.process(application);

    QtTeacherDialogs dialogs;
    TeacherWindow window(dialogs);
    window.show();
    if (!options.positionalArguments().isEmpty())
        window.openFolder(options.positionalArguments().constFirst());
    return QApplication::exec();
}
