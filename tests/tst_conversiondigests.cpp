// The converter's output, byte for byte, against digests stored when the
// core was restructured: the seed corpus, generated codes, arbitrary bytes,
// and segments of every family in every shape and size. A rule that changes
// what it writes for any of them shows up here.
#include "codegenerator.h"
#include "convert/conversion.h"

#include <QtTest>

#include <map>

namespace {

using Digests = std::map<std::string, QByteArray>;

class DigestList
{
public:
    void add(const std::string &group, const std::string &code)
    {
        auto [entry, added] = mHashes.try_emplace(group, QCryptographicHash::Sha256);
        const ConversionResult result = Conversion::convert(code);
        const char outcome = char('0' + int(result.outcome));
        entry->second.addData(QByteArrayView(&outcome, 1));
        entry->second.addData(QByteArrayView(result.code.data(), qsizetype(result.code.size())));
        entry->second.addData(QByteArrayView("\0", 1));
    }

    Digests digests()
    {
        Digests digests;
        for (auto &[group, hash] : mHashes)
            digests[group] = hash.result().toHex();
        return digests;
    }

private:
    std::map<std::string, QCryptographicHash> mHashes;
};

Digests stored()
{
    Digests digests;
    QFile file(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/conversion-digests.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return digests;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArrayList fields = line.split(' ');
        if (fields.size() == 2)
            digests[fields[0].toStdString()] = fields[1];
    }
    return digests;
}

Digests computed()
{
    DigestList list;
    const QDir corpus(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/fuzz/corpus"));
    for (const QString &name : corpus.entryList(QDir::Files, QDir::Name)) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const std::string bytes = file.readAll().toStdString();
        list.add("corpus/" + name.toStdString(), bytes);
        list.add("corpus/" + name.toStdString(), "107**" + bytes);
    }
    for (int seed = 1; seed <= 500; ++seed)
        list.add("generated/" + std::to_string((seed - 1) / 50),
                 CodeGenerator(std::uint32_t(seed)).code(std::size_t(20 + (seed * 37) % 3000)));
    for (int seed = 1; seed <= 1000; ++seed)
        list.add("noise/" + std::to_string((seed - 1) / 100),
                 "107**" + CodeGenerator(std::uint32_t(1000 + seed)).noise(std::size_t(seed % 200)));
    for (const char *tag : {"aa", "bc", "fd", "hc", "hd", "m03", "r05", "s07", "t04", "zz", "m00", "mAB"}) {
        for (const char *value : {"1", "2", "6", "51", "", "x", "-3"}) {
            const std::string group = std::string("shapes/") + tag + "/" + value;
            std::string huge = std::string("107**") + tag + "12";
            for (int i = 0; i < 20000; ++i)
                huge += std::string(".") + value;
            list.add(group, huge);
            for (int count = 0; count < 17; ++count) {
                std::string segment = std::string(tag) + "57";
                for (int i = 0; i < count; ++i)
                    segment += std::string(".") + value;
                list.add(group, "106**" + segment + "_" + segment);
            }
        }
    }
    list.add("generated-1MB", CodeGenerator(42).code(1 << 20));
    return list.digests();
}

} // namespace

class tst_ConversionDigests : public QObject
{
    Q_OBJECT

private slots:
    void outputUnchanged();
};

void tst_ConversionDigests::outputUnchanged()
{
    const Digests expected = stored();
    QVERIFY(!expected.empty());
    const Digests actual = computed();
    // What differs, as lines of the digests file.
    QByteArray differences;
    for (const auto &[group, digest] : actual)
        if (expected.count(group) == 0 || expected.at(group) != digest)
            differences += QByteArray::fromStdString(group) + ' ' + digest + '\n';
    QVERIFY2(differences.isEmpty(), differences.constData());
    QCOMPARE(actual.size(), expected.size());
}

QTEST_APPLESS_MAIN(tst_ConversionDigests)
#include "tst_conversiondigests.moc"
