#include <QFile>
#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

namespace {

const QByteArray OddFile =
    "; a comment line\r\n"
    "[NetWork]\r\n"
    "  networkdatapath   =   /data/nets/  \r\n"
    "Other=keep me\r\n"
    "\r\n"
    "[Foreign]\r\n"
    "Scale=9\r\n"
    "stray line without equals\r\n"
    "[ canvas ]\r\n"
    "SCALE = 4\n";

}  // namespace

TEST(ProfileFile, ReadsNamesWithoutCaseAndValuesWithoutBlanks) {
  TempDir tmp;
  const QString path = tmp.File("Net.ini");
  ASSERT_TRUE(WriteBytes(path, OddFile));
  const ProfileFile ini(path);
  EXPECT_EQ(ini.ReadString("Network", "NetworkDataPath", "x"), "/data/nets/");
  EXPECT_EQ(ini.ReadString("CANVAS", "Scale", "2"), "4");
  EXPECT_EQ(ini.ReadString("Foreign", "scale", "2"), "9");
  EXPECT_EQ(ini.ReadString("Canvas", "Missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("Nowhere", "Scale", "dflt"), "dflt");
  EXPECT_EQ(ProfileFile(tmp.File("none.ini")).ReadString("Canvas", "Scale", "2"), "2");
}

TEST(ProfileFile, WritesInPlaceAndKeepsEveryOtherLineByteForByte) {
  TempDir tmp;
  const QString path = tmp.File("Net.ini");
  ASSERT_TRUE(WriteBytes(path, OddFile));
  const ProfileFile ini(path);

  ini.WriteString("network", "NETWORKDATAPATH", "/other");  // replaced in place
  ini.WriteString("Network", "NewKey", "1");                // appended to its section
  ini.WriteString("Canvas", "Scale", "3");                  // replaced in the last line (LF)
  ini.WriteString("Position", "Left", "346");               // new section at the end

  EXPECT_EQ(ReadBytes(path),
            QByteArray("; a comment line\r\n"
                       "[NetWork]\r\n"
                       "NETWORKDATAPATH=/other\r\n"
                       "Other=keep me\r\n"
                       "NewKey=1\r\n"
                       "\r\n"
                       "[Foreign]\r\n"
                       "Scale=9\r\n"
                       "stray line without equals\r\n"
                       "[ canvas ]\r\n"
                       "Scale=3\n"
                       "[Position]\r\n"
                       "Left=346\r\n"));
  EXPECT_EQ(ini.ReadString("Position", "left", ""), "346");
}

TEST(ProfileFile, CreatesTheFileAndFailsLoudlyWhereItCannotWrite) {
  TempDir tmp;
  const QString path = tmp.File("fresh.ini");
  ProfileFile(path).WriteString("Canvas", "Scale", "2");
  EXPECT_EQ(ReadBytes(path), QByteArray("[Canvas]\r\nScale=2\r\n"));

  EXPECT_THROW(ProfileFile(tmp.File("no/such/folder/x.ini")).WriteString("A", "B", "C"), EInOutError);
}

TEST(ProfileFile, KeepsPathsInAnyScriptWholeAndReadsOlderSingleByteValues) {
  TempDir tmp;
  const QString path = tmp.File("Net.ini");
  ASSERT_TRUE(WriteBytes(path, "[Network]\r\nOld=C:\\Daten\\M\xfc"
                               "ller\r\n"));
  const ProfileFile ini(path);
  const QString cyrillic = QStringLiteral("/home/u/Проект/сеть.net");
  ini.WriteString("Recent", "File1", cyrillic);
  EXPECT_EQ(ini.ReadString("Recent", "File1", ""), cyrillic);
  EXPECT_TRUE(ReadBytes(path).contains("File1=" + cyrillic.toUtf8() + "\r\n"));
  EXPECT_EQ(ini.ReadString("Network", "Old", ""), QStringLiteral("C:\\Daten\\M\u00fcller"));
}
