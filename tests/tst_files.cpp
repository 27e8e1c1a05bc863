// zev.conf, the device files and the import: what is written, what is read
// back, and how records are found and named; the configuration check; and
// the undo history of states.
#include "fixtures/RecordText.h"
#include "model/ClientConfigFile.h"
#include "model/ConfigCheck.h"
#include "model/ConfigCompare.h"
#include "model/ConfigFile.h"
#include "model/ConfigMerge.h"
#include "model/DiskStamp.h"
#include "model/TrustedNames.h"
#include "model/EditHistory.h"
#include "model/BatchSave.h"
#include "model/ServerAddress.h"
#include "model/ServerId.h"
#include "model/SaveReport.h"
#include "model/ThinClientImport.h"
#include "model/Translations.h"
#include "support/InLanguage.h"
#include "support/SampleRecords.h"

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The records as one line: every server field, then each device.
QString summary(const SampleFleet& records)
{
    QStringList parts;
    for (const Server* s : records.servers)
        parts << "S[" + fieldsOf(*s).filter(QRegularExpression("=(?!-1$).")).join(u'|') + "]";
    for (const ThinClient* c : records.thinClients)
        parts << QStringLiteral("T[%1|%2|%3]").arg(c->desc, c->serial_number, c->server_ids.join(u','));
    return parts.join(u' ');
}


// A small zev.conf from a shorthand: servers "id=name[@xpos[,ypos]]", then "|", then
// devices "serial[~desc]:id,id"; a text that starts with "[" is a zev.conf already.
QByteArray conf(const QString& shorthand)
{
    if (shorthand.startsWith(u'['))
        return shorthand.toUtf8();
    QByteArray text;
    const QStringList halves = shorthand.split(u'|');
    for (const QString& server : halves[0].split(u' ', Qt::SkipEmptyParts)) {
        const QString name = server.section(u'=', 1).section(u'@', 0, 0);
        const QString place = server.section(u'@', 1);
        text += "[SERVER]\nserver_id=" + server.section(u'=', 0, 0).toUtf8() + "\ndisplay_name=" + name.toUtf8() + '\n';
        if (!place.isEmpty())
            text += "xpos=" + place.section(u',', 0, 0).toUtf8() + "\nypos=" + place.section(u',', 1).toUtf8() + '\n';
    }
    for (const QString& device : halves.value(1).split(u' ', Qt::SkipEmptyParts)) {
        const QString head = device.section(u':', 0, 0);
        text += "[THINCLIENT]\nserial_number=" + head.section(u'~', 0, 0).toUtf8() + "\ndesc=" + head.section(u'~', 1).toUtf8() + '\n';
        for (const QString& id : device.section(u':', 1).split(u',', Qt::SkipEmptyParts))
            text += "server=" + id.toUtf8() + '\n';
    }
    return text;
}

// The records of a zev.conf in that shorthand.
QString shorthandOf(const QByteArray& text)
{
    SampleFleet records(text);
    QStringList servers;
    QStringList devices;
    for (const Server* s : records.servers)
        servers << s->server_id + u'=' + s->display_name + (s->xpos == -1 ? QString() : u'@' + QString::number(s->xpos)) +
                       (s->ypos <= 0 ? QString() : u',' + QString::number(s->ypos));
    for (const ThinClient* c : records.thinClients)
        devices << c->serial_number + (c->desc.isEmpty() ? QString() : u'~' + c->desc) + u':' + c->server_ids.join(u',');
    return (servers.join(u' ') + " | " + devices.join(u' ')).trimmed();
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance(), QProcessEnvironment()); }

    // The language of messages is chosen from the environment as the C library
    // chooses its message catalogues; a plain C locale is English for scripts.
    void messageLanguages_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("languages");
        QTest::newRow("nothing set") << QStringList{} << QStringList{};
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"de_DE"};
        QTest::newRow("modifier dropped") << QStringList{"LANG=fr_FR@euro"} << QStringList{"fr_FR"};
        QTest::newRow("LC_ALL before LC_MESSAGES before LANG")
            << QStringList{"LC_ALL=fr_FR.UTF-8", "LC_MESSAGES=de_DE.UTF-8", "LANG=en_US.UTF-8"} << QStringList{"fr_FR"};
        QTest::newRow("LC_MESSAGES before LANG")
            << QStringList{"LC_MESSAGES=de_AT.UTF-8", "LANG=fr_FR.UTF-8"} << QStringList{"de_AT"};
        QTest::newRow("LANGUAGE first, in its order")
            << QStringList{"LANGUAGE=fr:de", "LANG=en_GB.UTF-8"} << QStringList{"fr", "de", "en_GB"};
        QTest::newRow("LC_ALL=C is English whatever LANGUAGE says")
            << QStringList{"LC_ALL=C", "LANGUAGE=de", "LANG=de_DE.UTF-8"} << QStringList{};
        QTest::newRow("C.UTF-8 too") << QStringList{"LANG=C.UTF-8", "LANGUAGE=fr"} << QStringList{};
        QTest::newRow("POSIX too") << QStringList{"LC_MESSAGES=POSIX", "LANG=de_DE.UTF-8"} << QStringList{};
    }
    // What a save says reads in the user's language, its counts in the user's locale.
    void countsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("said");
        QTest::newRow("English") << "en" << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << "Saved zev.conf and 20,000 device files; 1 already up to date";
        QTest::newRow("German") << "de" << QLocale(QLocale::German, QLocale::Germany)
                                << "zev.conf und 20.000 Gerätedateien gespeichert; 1 bereits aktuell";
        const QLocale french(QLocale::French, QLocale::France);
        QTest::newRow("French") << "fr" << french
                                << "zev.conf et " + french.toString(20000) + " fichiers d'appareils enregistrés\u00a0; 1 déjà à jour";
    }
    void countsInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QLocale, locale);
        QFETCH(QString, said);
        const InLanguage speaking(language);
        QVERIFY(speaking.isLoaded());
        QLocale::setDefault(locale);
        SaveOutcome saved;
        saved.configWritten = true;
        saved.devicesWritten = 20000;
        saved.devicesUnchanged = 1;
        const QString text = SaveReport::saved(saved);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(text, said);
    }

    void messageLanguages()
    {
        QFETCH(QStringList, environment);
        QProcessEnvironment set;
        for (const QString& variable : environment)
            set.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QFETCH(QStringList, languages);
        QCOMPARE(Translations::messageLanguages(set), languages);
    }

    // Both layouts byte for byte, every field read back as written, and a
    // pasted line break never splitting a value into lines read as keys. A
    // device's file holds its servers in its own order, found in any case.
    void goldenFiles()
    {
        SampleFleet fleet;
        const QByteArray written = ConfigFile::serialize(fleet.servers, fleet.thinClients);
        QCOMPARE(written, readTestFile(ZEV_TEST_DATA "/zev_golden.conf"));
        QCOMPARE(summary(SampleFleet(written)), summary(fleet));
        QCOMPARE(ClientConfigFile::serialize(*fleet.thinClients[0], fleet.servers), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        const QByteArray empty = ConfigFile::serialize({}, {});
        QCOMPARE(empty, readTestFile(ZEV_TEST_DATA "/zev_golden.conf").left(empty.size()));
        QCOMPARE(empty.count('\n'), 8);
        fleet.servers[1]->server_id = QStringLiteral("abc1");
        fleet.servers[1]->display_name = QStringLiteral("Second");
        fleet.thinClients[0]->server_ids = QStringList{"nothing", "ABC1", "1252026947045", "gone"};
        const QByteArray device = ClientConfigFile::serialize(*fleet.thinClients[0], fleet.servers);
        QVERIFY(device.count("[SERVER]") == 2 && device.indexOf("=Second") < device.indexOf("= Main office "));
        fleet.servers[0]->display_name = QStringLiteral("two\nlines\r\n[SERVER]");
        fleet.thinClients[0]->desc = QStringLiteral("desk\rserial_number=EVIL");
        QCOMPARE(summary(SampleFleet(ConfigFile::serialize(fleet.servers, fleet.thinClients))),
                 summary(fleet).replace("two\nlines\r\n", "two lines ").replace("desk\r", "desk "));
    }

    void readerRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("comments, blanks, keys without = and before their block")
            << QByteArray("desc=y\n#[SERVER]\n[SERVER]\n#server_id=x\n server_id=a\n\txpos=4\nxpos 5\n") << "S[]";
        QTest::newRow("headers with trailing text separate current records")
            << QByteArray("[SERVER] old\nserver_id=a\n[THINCLIENT]x=\ndisplay_name=N\nserial_number=S\nxpos=3\n")
            << "S[server_id=a|display_name=N|xpos=3] T[|S|]";
        QTest::newRow("repeated keys") << QByteArray("[SERVER]\nxpos=1\nxpos=2\n[THINCLIENT]\nserver=a\nserver=b\nserver=a\n")
                                       << "S[xpos=2] T[||a,b,a]";
        QTest::newRow("values keep blanks and =")
            << QByteArray("[SERVER]\ndisplay_name= a=b \n[THINCLIENT]\ndesc=x==y\n") << "S[display_name= a=b ] T[x==y||]";
        QTest::newRow("numbers") << QByteArray("[SERVER]\nxpos= 7 \nindex_latency=abc\nwidth=12px\nheight=99999999999\n")
                                 << "S[index_latency=0|xpos=7|width=0|height=0]";
        QTest::newRow("byte-order mark, CRLF, CR and no last line end")
            << QByteArray("\xEF\xBB\xBF[SERVER]\r\nserver_id=a\rxpos=5\r\n[THINCLIENT]\r\nserver=a") << "S[server_id=a|xpos=5] T[||a]";
        QTest::newRow("NUL bytes and invalid UTF-8")
            << QByteArray("[SERVER]\0junk\nserver_id=a\0b\ndisplay_name=\xff ok\nxpos=\x80\n", 53)
            << "S[server_id=a" + QString(QChar(0)) + "b|display_name=" + QChar(0xFFFD) + " ok|xpos=0]";
        QTest::newRow("unknown and case-changed keys")
            << QByteArray("[server]\n[SERVER]\nfoo=1\nrps_percentage=5\nXPOS=5\n") << "S[]";
        // Every key with a value of its own, so that no two keys can be confused.
        QByteArray everyKey = "[SERVER]\n";
        QStringList values;
        const QStringList keys = fieldsOf(Server()).replaceInStrings(QRegularExpression("=.*"), QString());
        for (int i = 0; i < keys.size(); ++i) {
            everyKey += keys[i].toUtf8() + '=' + QByteArray::number(i + 1) + '\n';
            values << keys[i] + '=' + QString::number(i + 1);
        }
        QTest::newRow("every key") << everyKey << "S[" + values.join(u'|') + "]";
    }

    void readerRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QCOMPARE(summary(SampleFleet(content)), expected);
    }

    // A device whose file cannot be written is asked about: Yes goes on with the
    // next device, No stops. Either way the save reports that not all got their file.
    void deviceFileFailures_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<QStringList>("asked");   // relative to the working folder
        QTest::addColumn<QStringList>("written"); // files in place afterwards
        const QStringList all{"AB12.conf", "CD34.conf", "EF56.conf"};
        QTest::newRow("bad name, Yes") << "name" << true << QStringList("../OUTSIDE.conf") << QStringList{"AB12.conf", "EF56.conf"};
        QTest::newRow("folder in the way, No") << "folder" << false << QStringList("CD34.conf") << QStringList("AB12.conf");
        QTest::newRow("no folder") << "missing" << true << all << QStringList();
        QTest::newRow("sync fails, Yes") << "sync" << true << all << QStringList();
        QTest::newRow("sync fails, No") << "sync" << false << QStringList("AB12.conf") << QStringList();
    }

    void deviceFileFailures()
    {
        QFETCH(QString, cause);
        QFETCH(bool, goOn);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, written);
        QTemporaryDir parent;
        const QString dir = parent.filePath("work");
        if (cause != "missing")
            QVERIFY(QDir().mkdir(dir));
        SampleFleet fleet;
        fleet.thinClients << new ThinClient(QStringLiteral("third"), QStringLiteral("EF56"));
        if (cause == "name")
            fleet.thinClients[1]->serial_number = QStringLiteral("../outside");
        if (cause == "folder")
            QVERIFY(QDir(dir).mkpath("CD34.conf/inside"));
        if (cause == "sync")
            setSaveStepHook([](SaveStep step) { return step != SaveStep::Sync; });

        QStringList seen;
        const Descriptor folder = TrustedNames::openFolder(dir);
        BatchSave batch(folder.get(), dir);
        const bool complete =
            ClientConfigFile::writeAll(batch, fleet.servers, fleet.thinClients, [&](const QString& path, int) {
                seen << path.mid(dir.size() + 1);
                return goOn;
            });
        setSaveStepHook({});

        QVERIFY(!complete);
        QCOMPARE(seen, asked);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), written);
        if (!written.isEmpty())
            QCOMPARE(readTestFile(dir + "/AB12.conf"), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        QVERIFY(!QFileInfo::exists(parent.filePath("OUTSIDE.conf")));
        QCOMPARE(QDir(dir + "/.zev-previous").entryList(QDir::Files), QStringList()); // nothing staged is left behind
    }

    // Device files read back against what zev.conf gives them: only an exact
    // copy counts, and of two serial numbers naming one file, the last device's.
    // A save that knows what it wrote writes those files again, and no other:
    // after it, every file is what a full rewrite gives.
    void filesBehind_data()
    {
        QTest::addColumn<QString>("change"); // made after every device file was written
        QTest::addColumn<QString>("behind");
        QTest::newRow("as written") << "" << "";
        QTest::newRow("missing") << "remove CD34.conf" << "CD34.conf (missing)";
        QTest::newRow("one byte changed") << "flip AB12.conf" << "AB12.conf";
        QTest::newRow("shorter") << "chop AB12.conf" << "AB12.conf";
        QTest::newRow("longer") << "append AB12.conf" << "AB12.conf";
        QTest::newRow("a pipe") << "pipe CD34.conf" << "CD34.conf";
        QTest::newRow("a link to a copy") << "link AB12.conf" << "AB12.conf";
        QTest::newRow("one file for two serial numbers") << "repeat ab12" << "";
        QTest::newRow("a server renamed") << "rename s1" << "AB12.conf";
        QTest::newRow("a device's servers changed") << "assign CD34" << "CD34.conf";
        QTest::newRow("same bytes written again") << "rewrite AB12.conf" << "";
        // Another program writes a file the save has just put in place: not taken for the save's.
        QTest::newRow("changed as it was put in place") << "during CD34.conf" << "CD34.conf";
    }

    void filesBehind()
    {
        QFETCH(QString, change);
        QFETCH(QString, behind);
        QTemporaryDir dir;
        SampleFleet fleet;
        if (change == "repeat ab12") // the last device's servers are what its file holds
            fleet.thinClients << new ThinClient(QStringLiteral("again"), QStringLiteral("ab12"));
        const Descriptor folder = TrustedNames::openFolder(dir.path());
        const auto stop = [](const QString&, int) { return false; };
        ClientConfigFile::KnownFiles known;
        const auto save = [&] {
            BatchSave batch(folder.get(), dir.path());
            const ClientConfigFile::Staging staging =
                ClientConfigFile::stageAll(batch, folder.get(), fleet.servers, fleet.thinClients, stop, {}, &known);
            const bool placed = batch.commit();
            ClientConfigFile::remember(folder.get(), staging, known);
            QStringList written;
            for (const ClientConfigFile::Staging::Written& file : staging.written)
                written << file.name;
            written.sort();
            return placed ? written.join(u' ') : QString("failed");
        };
        const QString path = dir.filePath(change.section(u' ', 1));
        const QString how = change.section(u' ', 0, 0);
        if (how == "during") // one byte changed in place, the size kept
            setSaveStepHook([&path](SaveStep step) {
                QFile file(path);
                if (step == SaveStep::Placed && file.open(QIODevice::ReadWrite) && file.size() > 0) {
                    file.seek(file.size() / 2);
                    file.write("#");
                }
                return true;
            });
        QCOMPARE(save(), "AB12.conf CD34.conf");
        setSaveStepHook({});
        const QByteArray name = QFile::encodeName(path);
        QByteArray content = readTestFile(path);
        if (how == "flip")
            content[content.size() / 2] = '#';
        else if (how == "chop")
            content.chop(1);
        else if (how == "append")
            content += '\n';
        if (how == "flip" || how == "chop" || how == "append") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        QVERIFY(how != "remove" || QFile::remove(path));
        QVERIFY(how != "pipe" || (QFile::remove(path) && ::mkfifo(name.constData(), 0644) == 0));
        QVERIFY(how != "link" || (QFile::rename(path, path + ".copy") && QFile::link(path + ".copy", path)));
        if (how == "rename")
            fleet.servers[0]->display_name = "Renamed";
        if (how == "assign")
            fleet.thinClients[1]->server_ids << fleet.servers[0]->server_id;
        if (how == "rewrite") { // another program writes the same bytes: a new file, which is rewritten
            QVERIFY(QFile::remove(path));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        QStringList found;
        for (const ClientConfigFile::FileBehind& file : ClientConfigFile::filesBehind(folder.get(), fleet.servers, fleet.thinClients))
            found << file.name + (file.missing ? " (missing)" : "");
        QCOMPARE(found.join(u' '), behind);
        QCOMPARE(save(), how == "rewrite" ? "AB12.conf" : QString(behind).remove(" (missing)"));
        QCOMPARE(ClientConfigFile::filesBehind(folder.get(), fleet.servers, fleet.thinClients).size(), 0);
    }

    // Whether zev.conf is still what was written: another size is another file
    // (not read), the same bytes written again are the same, an edit with its
    // time put back is seen at every look, and the change time a rename into
    // place moves is taken once the file is there.
    void stampOfWhatWasWritten_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("matches");
        QTest::newRow("untouched") << "" << true;
        QTest::newRow("same bytes written again") << "rewrite same" << true;
        QTest::newRow("another size") << "rewrite longer" << false;
        QTest::newRow("same size, time put back") << "edit" << false;
        QTest::newRow("removed") << "remove" << false;
        QTest::newRow("renamed into place") << "place" << true;
        QTest::newRow("renamed into place, then edited") << "place edit" << false;
    }

    void stampOfWhatWasWritten()
    {
        QFETCH(QString, change);
        QFETCH(bool, matches);
        QTemporaryDir dir;
        const QByteArray content("[SERVER]\nserver_id=1\n");
        const QString path = dir.filePath(change.startsWith("place") ? "staged" : "zev.conf");
        const auto write = [](const QString& at, const QByteArray& bytes) {
            QFile file(at);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        QVERIFY(write(path, content));
        struct stat written;
        QVERIFY(::stat(QFile::encodeName(path).constData(), &written) == 0);
        DiskStamp stamp = DiskStamp::ofWritten(written, content);
        const Descriptor folder = TrustedNames::openFolder(dir.path());
        QThread::msleep(10); // a later write gets a later time
        if (change.startsWith("place")) {
            QVERIFY(QFile::rename(path, dir.filePath("zev.conf")));
            stamp.followPlacing(folder.get(), "zev.conf");
        }
        const QString target = dir.filePath("zev.conf");
        if (change == "rewrite same")
            QVERIFY(QFile::remove(target) && write(target, content));
        if (change == "rewrite longer")
            QVERIFY(write(target, content + "x"));
        if (change.endsWith("edit")) { // one byte changed in place, its modification time put back
            const int fd = ::open(QFile::encodeName(target).constData(), O_WRONLY);
            const struct timespec times[2] = {written.st_atim, written.st_mtim};
            QVERIFY(fd >= 0 && ::pwrite(fd, "#", 1, 0) == 1 && ::futimens(fd, times) == 0 && ::close(fd) == 0);
        }
        if (change == "remove")
            QVERIFY(QFile::remove(target));
        QCOMPARE(stamp.stillMatches(folder.get(), "zev.conf"), matches);
        QCOMPARE(stamp.stillMatches(folder.get(), "zev.conf"), matches); // looked at again, the same answer
    }

    void importMerge_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("after"); // the list started as AB12=Old@s1;ISS=Other
        QTest::addColumn<QString>("result"); // added, updated, rejected: the lines rejected; the lines skipped
        const QString start = "AB12=Old@s1;ISS=Other";
        QTest::newRow("comments, blanks and noise") << QByteArray("#X1,,,comment\n\n  \nno separator\nA,,,B,,,C\nX,,Y\n") << start
                                                    << "0 0 0:; no separator|A,,,B,,,C|X,,Y";
        QTest::newRow("separator mistyped") << QByteArray("EF300\nEF301,Desc two\nEF302,,,ok\n") << start + ";EF302=ok"
                                            << "1 0 0:; EF300|EF301,Desc two";
        QTest::newRow("new upper-cased, known in other case, same twice, byte-order mark and CRLF")
            << QByteArray("\xEF\xBB\xBF" "cd34,,,Front desk\r\nab12,,,New text\nX1,,,first\nx1,,,second\n")
            << "AB12=New text@s1;ISS=Other;CD34=Front desk;X1=second" << "2 2 0:; ";
        QTest::newRow("unusable serials rejected")
            << QByteArray(",,,nobody\nY1,,,y\n../evil,,,x\na\\b,,,z\nn\0l,,,w\n", 45) << start + ";Y1=y"
            << "1 0 4:,,,nobody|../evil,,,x|a\\b,,,z|n" + QString(QChar(0)) + "l,,,w; ";
        QTest::newRow("values untrimmed") << QByteArray("Z9,,,,word\n ab12,,,blank\nE1,,,\n")
                                          << start + ";Z9=,word; AB12=blank;E1=" << "3 0 0:; ";
        QTest::newRow("sharp s and dotless i name the files of SS and ISS")
            << QByteArray("SS,,,one\n\xC3\x9F,,,two\n\xC4\xB1\xC3\x9F,,,three\n") << "AB12=Old@s1;ISS=three;SS=two" << "1 2 0:; ";
    }

    void importMerge()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, after);
        QFETCH(QString, result);
        auto* existing = new ThinClient("Old", "AB12");
        existing->server_ids << "s1";
        QList<ThinClient*> clients{existing, new ThinClient("Other", "ISS")};
        QStringList rejected;
        const auto merged = ThinClientImport::merge(content, clients, [&](const QString& line) { rejected << line; });
        QStringList now;
        for (const ThinClient* c : clients)
            now << c->serial_number + "=" + c->desc + (c->server_ids.isEmpty() ? "" : "@" + c->server_ids.join(','));
        qDeleteAll(clients);
        QCOMPARE(now.join(u';'), after);
        QCOMPARE(QStringLiteral("%1 %2 %3:").arg(merged.added).arg(merged.updated).arg(merged.rejected) + rejected.join(u'|') +
                     "; " + merged.skipped.join(u'|'),
                 result);
    }

    // An id is the moment's month, day, year and time without leading zeros: the 1st
    // of November and the 11th of January read alike, so a taken id moves on a millisecond.
    void serverIds()
    {
        QCOMPARE(makeServerId(QDateTime(QDate(2026, 1, 1), QTime(1, 1, 1, 1))), QStringLiteral("1120261111"));
        const QDateTime november(QDate(2026, 11, 1), QTime(23, 59, 59, 999));
        QCOMPARE(makeServerId(november), QStringLiteral("1112026235959999"));
        Server first;
        first.server_id = makeServerId(QDateTime(QDate(2026, 1, 11), QTime(23, 59, 59, 999)));
        Server second;
        second.server_id = makeServerId(november.addMSecs(1));
        QCOMPARE(makeServerId({&first}, november), makeServerId(november.addMSecs(1)));
        QCOMPARE(makeServerId({&first, &second}, november), makeServerId(november.addMSecs(2)));
    }

    void configurationCheck_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problems");
        QTest::addColumn<QStringList>("files"); // in the working folder
        const QByteArray a = "[SERVER]\nserver_id=a\ndisplay_name=A\nrps_hostname_port=h\nxpos=0\nypos=0\nwidth=75\nheight=75\n";
        const QByteArray b = "[SERVER]\nserver_id=b\ndisplay_name=B\nrps_hostname_port=k\nxpos=525\nypos=325\nwidth=75\nheight=75\n";
        const QByteArray device = "[THINCLIENT]\ndesc=D\nserial_number=S1\n";
        QTest::newRow("none") << a + b + device + "server=A\nserver=b\n" << "" << QStringList();
        QTest::newRow("unknown id") << a + device + "server=gone\n" << "Thinclient S1 is assigned the server id gone, which no server has" << QStringList();
        QTest::newRow("serial in other case") << device + "[THINCLIENT]\ndesc=E\nserial_number=s1\n"
                                              << "Thinclients S1 (“D”) and s1 (“E”) share the device file S1.conf" << QStringList();
        QTest::newRow("serials as the file name makes them")
            << QByteArray("[THINCLIENT]\ndesc=D\nserial_number=STRASSE\n[THINCLIENT]\ndesc=D\nserial_number=straße\n")
            << "Thinclients STRASSE (“D”) and straße (“D”) share the device file STRASSE.conf" << QStringList();
        QTest::newRow("unusable serials")
            << QByteArray("[THINCLIENT]\ndesc=D\nserial_number=a/b\n[THINCLIENT]\ndesc=E\n")
            << "Thinclient “D”: the serial number “a/b” cannot name a device file|Thinclient “E”: the serial number “” "
               "cannot name a device file" << QStringList();
        QTest::newRow("shared id") << a + QByteArray(b).replace("server_id=b", "server_id=A")
                                   << "Servers “A” and “B” share the id A" << QStringList();
        QTest::newRow("shared host and application") << a + QByteArray(b).replace("=k", "=H")
                                                     << "Servers “A” and “B” share the host H and remote application “”" << QStringList();
        QTest::newRow("label past the picture") << QByteArray(b).replace("xpos=525", "xpos=526")
                                                << "The label of server “B” lies partly outside the picture" << QStringList();
        QTest::newRow("label at the end of the numbers") << QByteArray(b).replace("xpos=525", "xpos=2147483600")
                                                         << "The label of server “B” lies partly outside the picture" << QStringList();
        QTest::newRow("a device file no device has") << device << "The file OLD1.conf belongs to no thinclient; a device may still read it"
                                                     << QStringList{"OLD1.conf", "S1.conf", "notes.txt", "zev.conf"};
    }

    void configurationCheck()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problems);
        QFETCH(QStringList, files);
        const SampleFleet parsed(content);
        QCOMPARE(configurationProblems(parsed.servers, parsed.thinClients, QSize(600, 400), files).join(u'|'), problems);
    }

    // Where a connection check goes: the port written, else the scheme's or the
    // protocol's usual one (their table is the code's own; a few rows stand for it).
    void serverAddresses_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("address"); // or what is wrong with it
        const char* rows[][3] = {{"RDP://Host.Example:3390", "rdp", "Host.Example:3390"}, {"h", "rdp", "h:3389"},
                                 {"h", "vnc", "h:5900"},   {"http://h", "web", "h:80"}, {"https://h/portal", "web", "h:443"},
                                 {"[fe80::1]:5901", "vnc", "[fe80::1]:5901"}, {"::1", "vnc", "[::1]:5900"},
                                 {"h:99999", "rdp", "the port 99999 is not between 1 and 65535"},
                                 {"h:0", "rdp", "the port 0 is not between 1 and 65535"},
                                 {"h:abc", "rdp", "the port “abc” is not a number"},
                                 {"[::1", "rdp", "the “]” after the IPv6 address is missing"},
                                 {"[::1]5900", "rdp", "only “:” and a port may follow the “]”"},
                                 {" ", "rdp", "no host name or address is given"}, {"rdp://:3389", "rdp", "no host name or address is given"},
                                 {"telnet://user@h:23", "telnet", "h:23"}, {"://h:81", "rdp", "h:81"}, {"h:1", "vnc", "h:5901"}, {"h:0", "x11", "h:6000"},
                                 {"h:99", "VNC", "h:5999"}, {"h:100", "vnc", "h:100"}, {"h:1", "rdp", "h:1"}};
        for (const auto& [written, type, address] : rows)
            QTest::addRow("%s %s", written, type) << QString::fromLatin1(written) << type << QString::fromUtf8(address);
        // The usual ports as the README promises them to users, one row per protocol.
        const char* usual[][2] = {{"rdp", "3389"}, {"rfx", "3389"}, {"vnc", "5900"}, {"spice", "5900"}, {"x11", "6000"},
                                  {"nx", "4000"}, {"telnet", "23"}, {"tn3270", "23"}, {"hdx", "1494"},
                                  {"vmview", "443"}, {"authentic8", "443"}, {"web", "80"}};
        for (const auto& [type, port] : usual)
            QTest::addRow("usual port of %s", type) << "h" << type << QStringLiteral("h:%1").arg(port);
    }

    void serverAddresses()
    {
        QFETCH(QString, written);
        QFETCH(QString, type);
        QFETCH(QString, address);
        const ServerAddress found = serverAddress(written, type);
        QCOMPARE(found.valid ? found.text() : found.problem, address);
    }

    // Three-way merges of base, mine and theirs: what is merged, each conflict
    // as "record/field/base/mine/theirs", and how many records took theirs.
    void merging_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("expected"); // merged, conflicts settled for mine; "!" conflicts; "taken" servers/devices
        QTest::addColumn<QString>("theirsWin"); // merged, every conflict settled for theirs
        const auto row = [](const char* name, const char* b, const char* m, const char* t, const char* expected, const char* theirsWin = nullptr) {
            QTest::newRow(name) << b << m << t << QString::fromUtf8(expected) << QString::fromUtf8(theirsWin ? theirsWin : expected).section(QStringLiteral(" !"), 0, 0).section(QStringLiteral(" taken"), 0, 0);
        };
        row("mine changed", "a=A", "a=B", "a=A", "a=B | taken 0/0");
        row("theirs changed", "a=A", "a=A", "a=C", "a=C | taken 1/0");
        row("same change", "a=A", "a=B", "a=B", "a=B | taken 0/0");
        row("different fields", "a=A@1", "a=B@1", "a=A@5", "a=B@5 | taken 1/0");
        row("same field differs", "a=A", "a=B", "a=C", "a=B | ! Server “B” (a)/display_name/A/B/C taken 0/0", "a=C |");
        row("label place differs", "a=A@1,1", "a=A@2,1", "a=A@3,1", "a=A@2,1 | ! Server “A” (a)/xpos, ypos/1, 1/2, 1/3, 1 taken 0/0", "a=A@3,1 |");
        row("label moved across and down", "a=A@1,1", "a=A@2,1", "a=A@1,2", "a=A@2,1 | ! Server “A” (a)/xpos, ypos/1, 1/2, 1/1, 2 taken 0/0", "a=A@1,2 |");
        row("servers as a set", "a=A b=B c=C | x:a,b", "a=A b=B c=C | x:a,b,c", "a=A b=B c=C | x:b,d,D", "a=A b=B c=C | x:b,c,d taken 0/1");
        row("ids in any case", "a=A | x:a", "a=A | x:A", "a=A | x:a,b", "a=A | x:A,b taken 0/1");
        row("deleted in mine", "a=A b=B", "b=B", "a=A b=B", "b=B | taken 0/0");
        row("deleted in theirs", "a=A b=B", "a=A b=B", "b=B", "b=B | taken 1/0");
        row("deleted in mine, changed in theirs", "| x~D:", "|", "| x~E:",
            "| ! Thinclient “x”/record/present/deleted/changed taken 0/0", "| x~E:");
        row("deleted in theirs, changed in mine", "| x~D:", "| x~E:", "|",
            "| x~E: ! Thinclient “x”/record/present/changed/deleted taken 0/0", "|");
        row("new on each side", "a=A", "a=A b=B", "a=A c=C", "a=A b=B c=C | taken 1/0");
        row("new on both, the same", "", "a=A", "a=A", "a=A | taken 0/0");
        row("new on both, different", "", "a=A", "a=B", "a=A | ! Server “A” (a)/display_name/(none)/A/B taken 0/0", "a=B |");
        row("serial in another case", "| x~D:", "| X~D:", "| x~E:", "| X~E: taken 0/1");
        row("theirs repeats a device", "| x~D:", "| x~D:a", "| x~D: x~D: x~E:",
            "| x~D:a ! Thinclient “x”/repeated/(none)/once/2 more times taken 0/0", "| x~E:");
        row("theirs repeats a new device", "|", "|", "| n~A: N~B:",
            "| n~A: ! Thinclient “n”/repeated/(none)/(none)/1 more time taken 0/1", "| N~B:");
        row("both hold the repeat", "| x~D: x~E:", "| x~F: x~E:", "| x~D: x~G:", "| x~F: x~G: taken 0/1");
        row("theirs' fields in another order", "a=A@1,1", "a=B@1,1",
            "[SERVER]\nypos=1\nxpos=7\ndisplay_name=A\nserver_id=a\n", "a=B@7,1 | taken 1/0");
    }

    void merging()
    {
        QFETCH(QString, base);
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        QFETCH(QString, expected);
        QFETCH(QString, theirsWin);
        MergeResult merged = mergeConfigurations(conf(base), conf(mine), conf(theirs));
        QStringList conflicts;
        for (const MergeConflict& c : merged.conflicts)
            conflicts << QStringList{c.record, c.field, c.base, c.mine, c.theirs}.join(u'/');
        QCOMPARE(shorthandOf(merged.text()) + (conflicts.isEmpty() ? QString() : " ! " + conflicts.join("; ")) +
                     QStringLiteral(" taken %1/%2")
                         .arg(merged.recordsTaken(ConfigRecords::Kind::Server))
                         .arg(merged.recordsTaken(ConfigRecords::Kind::Device)),
                 expected);
        // Settled by key: the conflicts listed backwards settle the same.
        std::reverse(merged.conflicts.begin(), merged.conflicts.end());
        for (MergeConflict& c : merged.conflicts)
            c.takeTheirs = true;
        QCOMPARE(shorthandOf(merged.text()), theirsWin);
        QCOMPARE(merged.recordsTaken(ConfigRecords::Kind::Server) + merged.recordsTaken(ConfigRecords::Kind::Device) > 0,
                 !merged.conflicts.isEmpty() || !merged.taken.isEmpty());
    }

    // zev.conf in words: what changed between two files, record by record, and
    // one file's records sorted, the same whatever their order in the file.
    void comparing_data()
    {
        QTest::addColumn<QString>("older");
        QTest::addColumn<QString>("newer");
        QTest::addColumn<QString>("differences");
        const char* rows[][4] = {
            {"added and removed", "a=A", "b=B", "Server “A” (a) removed; Server “B” (b) added"},
            {"field changed", "a=A@1", "a=B@2", "Server “B” (a): display_name “A” → “B”; Server “B” (a): xpos “1” → “2”"},
            {"servers gained and lost", "| x:a,b", "| x:b,c", "Thinclient “x”: servers added c; servers removed a"},
            {"servers reordered", "| x:a,b", "| x:b,a", "Thinclient “x”: servers reordered"},
            {"servers by name", "a=A b=B c=A | x:a", "a=A b=B c=A | x:b,c", "Thinclient “x”: servers added “B”, “A” (c); servers removed “A” (a)"},
            {"letter case only", "a=A | x:a", "A=A | X:A", "Server “A” (A): server_id “a” → “A”; Thinclient “X”: serial_number “x” → “X”"},
            {"same records, other order", "a=A b=B | x: y:", "b=B a=A | y: x:", ""},
            {"a device repeated", "| x:", "| x: X:", "Thinclient “X” (repeated) added"}};
        for (const auto& [name, older, newer, differences] : rows)
            QTest::newRow(name) << older << newer << QString::fromUtf8(differences);
    }

    void comparing()
    {
        QFETCH(QString, older);
        QFETCH(QString, newer);
        QFETCH(QString, differences);
        QCOMPARE(ConfigCompare::differences(conf(older), conf(newer)).join("; "), differences);
        if (differences.isEmpty())
            QCOMPARE(ConfigCompare::describe(conf(newer)), ConfigCompare::describe(conf(older)));
    }

    // A new step drops the redo branch; past the byte budget the oldest states
    // go, and with them, once gone, the saved state.
    void editHistory()
    {
        EditHistory history; // (names, the saved state and a repeated state: the window's undo table)
        history.reset("zero");
        QVERIFY(history.record("one", "1") && history.record("two", "2") && history.undo() == "1");
        QVERIFY(history.record("three", "3") && !history.canRedo() && history.undo() == "1" && history.undo() == "zero");
        // A continuing step replaces the last state: not after an undo, a save or another step's name.
        QVERIFY(history.record("move", "m1") && history.record("move", "m2", true) && history.undo() == "zero");
        QVERIFY(history.redo() == "m2" && history.record("move", "m3", true) && history.undo() == "zero");
        history.redo();
        history.markSaved();
        QVERIFY(history.record("move", "m4", true) && history.undo() == "m3");
        QVERIFY(history.redo() == "m4" && history.record("size", "s1", true) && history.undo() == "m4");
        EditHistory tight(0); // room for the current state only
        tight.reset("zero");
        QVERIFY(tight.record("one", "1") && !tight.canUndo() && !tight.isAtSavedState());
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
