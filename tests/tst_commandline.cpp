// The command line, run as a user would run it and without a display: the
// answers to --help and --version, the errors, the toolkit's own options.
#include "runtime/About.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int status = -1;
    QStringList out;
    QStringList err;
};

QProcessEnvironment withoutDisplay(const QString &runtimeDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    // Where the session gives none, the toolkit warns about it on standard error.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return environment;
}

QStringList lines(const QByteArray &text)
{
    return QString::fromLocal8Bit(text).split(u'\n', Qt::SkipEmptyParts);
}
}

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtimeDir;

    Run run(const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay(m_runtimeDir.path()));
        process.start(QStringLiteral(ELICA_BINARY), arguments);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                lines(process.readAllStandardOutput()), lines(process.readAllStandardError())};
    }

private slots:
    void help_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")};
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")};
        QTest::newRow("with --version too")
            << QStringList{QStringLiteral("--version"), QStringLiteral("--help")};
        QTest::newRow("after a toolkit option")
            << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--help")};
    }

    void help()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QStringList());
        QVERIFY(!result.out.isEmpty());
        QVERIFY2(result.out.first().startsWith(QStringLiteral("Uso: "))
                     && result.out.first().endsWith(QStringLiteral("elica [opzioni]")),
                 qPrintable(result.out.first()));
        QVERIFY(result.out.contains(QStringLiteral("Opzioni:")));
        QVERIFY(result.out.contains(QStringLiteral("  -h, --help     Mostra questo aiuto ed esce.")));
        QVERIFY(result.out.contains(QStringLiteral("  -v, --version  Mostra la versione ed esce.")));
    }

    void version_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")};
        QTest::newRow("-v") << QStringList{QStringLiteral("-v")};
        QTest::newRow("after -platform")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")};
        QTest::newRow("after -style")
            << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-version")};
    }

    void version()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QStringList());
        QCOMPARE(result.out, QStringList{QStringLiteral("Elica ") + About::version()});
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const QString hint = QStringLiteral(" (elica --help elenca le opzioni)");
        QTest::newRow("long") << QStringList{QStringLiteral("--colore")}
                              << QStringLiteral("elica: opzione sconosciuta: --colore") + hint;
        QTest::newRow("short") << QStringList{QStringLiteral("-x")}
                               << QStringLiteral("elica: opzione sconosciuta: -x") + hint;
        QTest::newRow("unknown before --help")
            << QStringList{QStringLiteral("--colore=rosso"), QStringLiteral("--help")}
            << QStringLiteral("elica: opzione sconosciuta: --colore") + hint;
        QTest::newRow("value to --version") << QStringList{QStringLiteral("--version=2")}
                                            << QStringLiteral("elica: valore inatteso dopo --version") + hint;
        QTest::newRow("argument") << QStringList{QStringLiteral("disegno.png")}
                                  << QStringLiteral("elica: argomento inatteso: disegno.png") + hint;
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Run result = run(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, QStringList());
        QCOMPARE(result.err, QStringList{error});
    }

    void noDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no option") << QStringList();
        QTest::newRow("a toolkit option") << QStringList{QStringLiteral("-style"), QStringLiteral("fusion")};
    }

    void noDisplay()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, QStringList());
        QCOMPARE(result.err.size(), 1);
        QVERIFY2(result.err.first().startsWith(QStringLiteral("elica: nessuno schermo (DISPLAY e WAYLAND_DISPLAY "
                                                              "non impostati); per avviarlo senza schermo: xvfb-run -a ")),
                 qPrintable(result.err.first()));
    }

    void platformOptionStartsTheWindows()
    {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay(m_runtimeDir.path()));
        process.start(QStringLiteral(ELICA_BINARY), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(process.waitForStarted());
        // Started on the platform named, the program waits for its user.
        QVERIFY2(!process.waitForFinished(1500), process.readAllStandardError().constData());
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
