// Writes the seed corpora of the fuzz targets from the project's own files, at build time:
//   WriteSeeds OUTPUT_DIR HELP_FILE REGISTRY_FILE...
// Into OUTPUT_DIR/<target>/: the built help file whole and with each of three faults that readers
// of help files have had (help_archive), its "#SYSTEM" object
// (system_file), its contents and index files (sitemap), its pages (help_text), the registry
// files (registry_file), and small PE and ELF images with a version, in both word sizes
// (pe_version, elf_version). The ELF seed cut from the built viewer module is written by the
// build itself.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <string>

#include "ChmArchive.h"
#include "HelpFilePatches.h"
#include "ImageBuilders.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Pages are many and alike: a few are enough to seed the text decoder.
constexpr int kPagesKept = 8;

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() < 4) {
    std::fprintf(stderr, "usage: WriteSeeds OUTPUT_DIR HELP_FILE REGISTRY_FILE...\n");
    return 2;
  }
  const QDir output(arguments[1]);
  for (const char* target : {"help_archive", "system_file", "sitemap", "help_text", "registry_file",
                             "pe_version", "elf_version"}) {
    if (!output.mkpath(QString::fromLatin1(target))) return 1;
  }
  const auto at = [&output](const char* target, const QString& name) {
    return output.filePath(QString::fromLatin1(target) + u'/' + name);
  };

  QFile help(arguments[2]);
  if (!help.open(QIODevice::ReadOnly)) return 1;
  const QByteArray helpFile = help.readAll();
  bool written = Write(at("help_archive", QStringLiteral("Solvanex.chm")), helpFile);
  namespace testing = solvanex::testing;
  written = written &&
            Write(at("help_archive", QStringLiteral("zero-reset-product.chm")),
                  testing::WithZeroResetProduct(helpFile)) &&
            Write(at("help_archive", QStringLiteral("self-naming-index.chm")),
                  testing::WithSelfNamingIndex(helpFile)) &&
            Write(at("help_archive", QStringLiteral("wrapping-free-space.chm")),
                  testing::WithWrappingFreeSpace(helpFile));

  const std::unique_ptr<solvanex::help::ChmArchive> archive =
      solvanex::help::ChmArchive::Open(arguments[2]);
  if (!archive) return 1;
  const std::optional<QByteArray> system = archive->Read(QStringLiteral("/#SYSTEM"));
  written = written && system && Write(at("system_file", QStringLiteral("SYSTEM")), *system);
  int pages = 0;
  for (const QString& path : archive->Files()) {
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const bool tree =
        name.endsWith(u".hhc", Qt::CaseInsensitive) || name.endsWith(u".hhk", Qt::CaseInsensitive);
    const bool page = name.endsWith(u".html", Qt::CaseInsensitive);
    if (!tree && !(page && pages < kPagesKept)) continue;
    const std::optional<QByteArray> object = archive->Read(path);
    if (!object) return 1;
    written = written && Write(at(tree ? "sitemap" : "help_text", name), *object);
    if (page) ++pages;
  }

  for (int i = 3; i < arguments.size(); ++i) {
    QFile registry(arguments[i]);
    if (!registry.open(QIODevice::ReadOnly)) return 1;
    written = written && Write(at("registry_file", QStringLiteral("registry-%1.reg").arg(i - 2)),
                               registry.readAll());
  }

  for (const bool wide : {false, true}) {
    const QString suffix = wide ? QStringLiteral("64") : QStringLiteral("32");
    written = written && Write(at("pe_version", u"module"_qs + suffix + u".dll"_qs),
                               Bytes(testing::BuildPeImage(0x0001'0002, 0x0003'0004, wide).bytes));
    testing::ElfOptions options;
    options.is64 = wide;
    written = written && Write(at("elf_version", u"module"_qs + suffix + u".so"_qs),
                               Bytes(testing::BuildElfImage(0x0001'0002, 0x0003'0004, options)));
  }
  return written ? 0 : 1;
}
