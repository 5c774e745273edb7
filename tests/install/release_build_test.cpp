#include "tests/install/tool_run.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QJsonObject jsonObject(const QString& path) { return QJsonDocument::fromJson(kw::readFileBytesIfAny(path)).object(); }

QStringList fragments(const QJsonArray& entries, const QString& key)
{
    QStringList values;
    for (const QJsonValue& entry : entries)
        values << entry.toObject().value(key).toString();
    return values;
}

// The targets of the package's Release configuration as cmake's file API
// describes them: configured only, nothing is built.
QList<QJsonObject> releaseTargets(const QTemporaryDir& build)
{
    kw::writeFileBytes(build.filePath(QStringLiteral(".cmake/api/v1/query/codemodel-v2")), {});
    const kw::ToolRun configure = kw::runTool(
        QStringLiteral("cmake"),
        {QStringLiteral("-S"), QStringLiteral(KW_SOURCE_DIR), QStringLiteral("-B"), build.path(), QStringLiteral("-G"),
         QStringLiteral(KW_CMAKE_GENERATOR), QStringLiteral("-DBUILD_TESTING=OFF"),
         QStringLiteral("-DCMAKE_BUILD_TYPE=Release"), QStringLiteral("-DCMAKE_CXX_COMPILER=" KW_CXX_COMPILER)});
    EXPECT_EQ(configure.exitCode, 0) << configure.out.toStdString() << configure.err.toStdString();

    const QDir reply(build.filePath(QStringLiteral(".cmake/api/v1/reply")));
    const QStringList indexes = reply.entryList({QStringLiteral("index-*.json")});
    if (indexes.size() != 1)
        return {};
    const QJsonObject index = jsonObject(reply.filePath(indexes.first()));
    const QString codemodelFile =
        index.value("reply").toObject().value("codemodel-v2").toObject().value("jsonFile").toString();
    const QJsonArray configurations = jsonObject(reply.filePath(codemodelFile)).value("configurations").toArray();
    QList<QJsonObject> targets;
    for (const QJsonValue& target : configurations.first().toObject().value("targets").toArray())
        targets << jsonObject(reply.filePath(target.toObject().value("jsonFile").toString()));
    return targets;
}

// What the package ships is hardened as Debian hardens its own programs, in
// every library linked into them too. (A Debug build with these flags would
// not compile: fortified functions need the optimiser.)
TEST(ReleaseBuild, IsHardenedAsDebianHardensItsPrograms)
{
    const QTemporaryDir build;
    ASSERT_TRUE(QDir().mkpath(build.filePath(QStringLiteral(".cmake/api/v1/query"))));
    const QList<QJsonObject> targets = releaseTargets(build);

    QStringList programs;
    for (const QJsonObject& target : targets) {
        const std::string name = target.value("name").toString().toStdString();
        for (const QJsonValue& group : target.value("compileGroups").toArray()) {
            const QString flags =
                fragments(group.toObject().value("compileCommandFragments").toArray(), QStringLiteral("fragment"))
                    .join(QLatin1Char(' '));
            const QStringList defines =
                fragments(group.toObject().value("defines").toArray(), QStringLiteral("define"));
            EXPECT_TRUE(defines.contains(QStringLiteral("_FORTIFY_SOURCE=2"))) << name;
            EXPECT_TRUE(flags.contains(QStringLiteral("-fstack-protector-strong")))
                << name << ": " << flags.toStdString();
        }
        if (target.value("type").toString() != QStringLiteral("EXECUTABLE"))
            continue;
        programs << target.value("name").toString();
        const QString linkFlags =
            fragments(target.value("link").toObject().value("commandFragments").toArray(), QStringLiteral("fragment"))
                .join(QLatin1Char(' '));
        EXPECT_TRUE(linkFlags.contains(QStringLiteral("-z,relro"))) << name << ": " << linkFlags.toStdString();
        EXPECT_TRUE(linkFlags.contains(QStringLiteral("-z,now"))) << name << ": " << linkFlags.toStdString();
    }
    EXPECT_TRUE(programs.contains(QStringLiteral("kwitarnia"))) << programs.join(QLatin1Char(' ')).toStdString();
}

} // namespace
