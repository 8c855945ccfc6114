#include "mainwindow/CommandLine.h"

#include <ostream>
#include <string_view>

#include "solvanex/Version.h"

namespace solvanex {

namespace {

void WriteUsage(std::ostream& out) {
  out << "Utilisation : solvanex [-debug | /debug] [OPTION-QT...]\n"
         "Calculatrice de poche pour le corps médical : calculs courants, formules cliniques,\n"
         "fonctions cliniques et conversions d'unités de laboratoire.\n"
         "\n"
         "  -debug, /debug  écrit le diagnostic de l'aide dans HHDebug.txt (aussi quand un\n"
         "                  fichier debug.debug se trouve à côté du programme)\n"
         "  -h, --help      affiche cette aide et quitte\n"
         "  --version       affiche la version et quitte\n"
         "\n"
         "Les options de Qt (-platform, -display...) sont acceptées. Voir aussi solvanex(1) et\n"
         "solvanex-cli(1).\n";
}

void WriteVersion(std::ostream& out) {
  out << "Solvanex " << kReleaseVersion << '\n'
      << "Copyright (c) 2026 The Solvanex developers\n"
         "Logiciel libre sous licence MIT, sans aucune garantie.\n";
}

}  // namespace

std::optional<int> AnswerInformationSwitch(int argc, const char* const* argv, std::ostream& out,
                                           std::ostream& err) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      WriteUsage(out);
    } else if (argument == "--version") {
      WriteVersion(out);
    } else {
      continue;
    }
    if (out.flush()) return 0;
    err << "solvanex : impossible d'écrire sur la sortie standard\n";
    return 1;
  }
  return std::nullopt;
}

}  // namespace solvanex
