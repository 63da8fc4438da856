// Saving over files that other people own, as a hostile neighbour would try
// it: each row is a shell script that sets the scene with real users (by
// number, through setpriv; no accounts are made), runs qvrtomorvane-cli
// ("$0") as a real process, and checks what became of the files. A row
// prints why it failed and exits non-zero.
#include "testfiles.h"

#include <QtTest>

#include <unistd.h>

namespace {

// A one-line code of about a megabyte, and the same of about a hundred.
const char *const makeCodes = R"sh(
chmod 755 . && printf '107**aa1.2.3' > code.txt && chmod 644 code.txt
{ printf '107**zz1'; yes _zz1 | head -n 250000 | tr -d '\n'; } > big.txt
)sh";

} // namespace

class tst_SaveSafely : public QObject
{
    Q_OBJECT

private slots:
    void scripts_data();
    void scripts();
};

void tst_SaveSafely::scripts_data()
{
    QTest::addColumn<bool>("needsRoot");
    QTest::addColumn<QString>("script");

    // The target's folder belongs to another user, who keeps swapping the
    // target between a link to a root-only file and a file of their own.
    QTest::newRow("a race on the name cannot hand a root-only file to its folder's owner") << true << QStringLiteral(R"sh(
mkdir -m 700 private && echo SECRET > private/secret && chmod 600 private/secret
mkdir attic && chown 1001:1001 attic
setpriv --reuid=1001 --regid=1001 --clear-groups perl -e '
    chdir "attic"; my $end = time + 4;
    while (time < $end) {
        symlink "../private/secret", "l"; rename "l", "out.txt";
        open my $f, ">", "f"; close $f; chmod 0666, "f"; rename "f", "out.txt";
    }' &
swapper=$!
saves=0
while kill -0 $swapper 2>/dev/null; do "$0" code.txt -o attic/out.txt 2>/dev/null; saves=$((saves + 1)); done
now=$(stat -c %u:%g:%a private/secret)
[ "$now" = 0:0:600 ] || { echo "private/secret is $now after $saves saves"; exit 1; }
)sh");
    QTest::newRow("a link another user left in a shared folder is not followed") << true << QStringLiteral(R"sh(
mkdir -m 700 private && echo SECRET > private/secret && mkdir -m 1777 shared
setpriv --reuid=1001 --regid=1001 --clear-groups ln -s ../private/secret shared/out.txt
"$0" code.txt -o shared/out.txt 2> err && { echo "followed"; exit 1; }
grep -q 'Permission denied' err && [ "$(cat private/secret)" = SECRET ] || { cat err; exit 1; }
)sh");
    QTest::newRow("nobody reads the new code before it is in place") << true << QStringLiteral(R"sh(
echo OLD > secret.txt && chmod 600 secret.txt && mkdir spy && chown 1001 spy
setpriv --reuid=1001 --regid=1001 --clear-groups perl -e '
    my ($end, @opened, %tried) = (time + 3);
    while (time < $end) { for (glob ".secret.txt.saving-*") { open my $f, "<", $_ and push @opened, $f unless $tried{$_}++ } }
    open my $seen, ">", "spy/seen"; print {$seen} readline($_) for @opened' &
while kill -0 $! 2>/dev/null; do "$0" big.txt -o secret.txt; done
[ ! -s spy/seen ] || { echo "another user read $(wc -c < spy/seen) bytes of the new code"; exit 1; }
[ "$(stat -c %a secret.txt)" = 600 ] || { echo "secret.txt is now $(stat -c %a secret.txt)"; exit 1; }
)sh");
    QTest::newRow("ACLs and extended attributes are kept") << false << QStringLiteral(R"sh(
command -v setfacl >/dev/null || { echo "SKIP: setfacl (Debian's acl) is not installed"; exit 0; }
echo OLD > shared.txt && chmod 600 shared.txt && setfacl -m u:1001:rw shared.txt
setfattr -n user.origin -v kept shared.txt 2>/dev/null && attributes=yes
before=$(getfacl -cn shared.txt)
"$0" code.txt -o shared.txt || exit 1
[ "$(getfacl -cn shared.txt)" = "$before" ] || { echo "ACL was:"; echo "$before"; echo "is:"; getfacl -cn shared.txt; exit 1; }
[ -z "$attributes" ] || [ "$(getfattr --only-values -n user.origin shared.txt)" = kept ] || { echo "user.origin lost"; exit 1; }
[ "$(id -u)" != 0 ] || setpriv --reuid=1001 --regid=1001 --clear-groups cat shared.txt | grep -q '^105' || { echo "user 1001 is locked out"; exit 1; }
)sh");
    QTest::newRow("a team member keeps another member's file theirs and the team's") << true << QStringLiteral(R"sh(
mkdir -m 2775 team && chgrp 2000 team && echo OLD > team/t.txt && chown 1002:2000 team/t.txt && chmod 660 team/t.txt
setpriv --reuid=1001 --regid=1001 --groups=2000 "$0" code.txt -o team/t.txt || exit 1
[ "$(stat -c %u:%g:%a team/t.txt)" = 1002:2000:660 ] || { echo "team/t.txt is $(stat -c %u:%g:%a team/t.txt)"; exit 1; }
grep -q '^105' team/t.txt || { echo "team/t.txt was not written"; exit 1; }
)sh");
    QTest::newRow("a file nobody may write stays as it was") << true << QStringLiteral(R"sh(
mkdir -m 777 open && echo OLD > open/theirs.txt && chown 1002:1002 open/theirs.txt && chmod 644 open/theirs.txt
setpriv --reuid=1001 --regid=1001 --clear-groups "$0" code.txt -o open/theirs.txt 2> err && exit 1
grep -q 'Permission denied' err || { cat err; exit 1; }
[ "$(cat open/theirs.txt)" = OLD ] && [ "$(stat -c %u:%a open/theirs.txt)" = 1002:644 ] || { echo "changed"; exit 1; }
)sh");
    QTest::newRow("a folder one may write to but not list takes a save") << true << QStringLiteral(R"sh(
mkdir -m 733 drop && setpriv --reuid=1001 --regid=1001 --clear-groups "$0" code.txt -o drop/out.txt || exit 1
[ "$(cat drop/out.txt)" = 105**aa1 ] && [ "$(stat -c %u drop/out.txt)" = 1001 ] || { echo "not saved"; exit 1; }
)sh");
    QTest::newRow("every name of a hard-linked file gets the new code") << false << QStringLiteral(R"sh(
echo OLD > a.txt && ln a.txt b.txt && "$0" code.txt -o a.txt || exit 1
[ "$(cat b.txt)" = 105**aa1 ] && [ "$(stat -c %h a.txt)" = 2 ] || { echo "b.txt holds $(cat b.txt)"; exit 1; }
)sh");
    QTest::newRow("the longest name a folder takes can be saved") << false << QStringLiteral(R"sh(
name=$(printf 'x%.0s' $(seq 251)).txt
"$0" code.txt -o "$name" && [ "$(cat "$name")" = 105**aa1 ] && [ -z "$(ls -A | grep saving)" ] || exit 1
)sh");
    // One segment of 100 MB: a save long enough to be stopped while it
    // writes, with little to convert first (25 million small segments took
    // 12 s a save under the sanitizers).
    QTest::newRow("a save stopped by INT, TERM or HUP leaves no temporary file") << false << QStringLiteral(R"sh(
set -m
{ printf '107**zz1_'; head -c 100000000 /dev/zero | tr '\0' a; } > huge.txt
for signal in INT TERM HUP; do
    echo OLD > out.txt
    "$0" huge.txt -o out.txt & saver=$!
    while ! ls -A | grep -q '^\.out\.txt\.saving-' && kill -0 $saver 2>/dev/null; do :; done
    kill -$signal $saver; wait $saver
    left=$(ls -A | grep saving)
    [ -z "$left" ] || { echo "$signal left $left"; exit 1; }
    size=$(wc -c < out.txt)
    [ $size = 4 ] || [ $size = $(wc -c < huge.txt) ] || { echo "$signal left out.txt with $size bytes"; exit 1; }
done
)sh");
    QTest::newRow("a non-blocking standard output takes the whole code") << false << QStringLiteral(R"sh(
whole=$("$0" big.txt | wc -c)
got=$({ perl -MFcntl -e 'fcntl(STDOUT, F_SETFL, O_NONBLOCK) or die; exec @ARGV' "$0" big.txt || echo failed >&2; } | { sleep 1; wc -c; })
[ "$got" = "$whole" ] || { echo "$got of $whole bytes"; exit 1; }
)sh");
}

void tst_SaveSafely::scripts()
{
    QFETCH(bool, needsRoot);
    QFETCH(QString, script);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("other users, by number through setpriv, need root");
    QTemporaryDir folder;
    const TestFiles::Run run = TestFiles::run({"/bin/sh", "-c", "cd \"$1\" && " + std::string(makeCodes) + script.toStdString(),
                                               TestFiles::converter(), QFile::encodeName(folder.path()).toStdString()},
                                              QByteArray(), QString(), 120);
    if (run.out.startsWith("SKIP: "))
        QSKIP(run.out.mid(6).trimmed().constData());
    QVERIFY2(run.exitCode == 0, (run.out + run.err).constData());
}

QTEST_GUILESS_MAIN(tst_SaveSafely)
#include "tst_savesafely.moc"
