#!/usr/bin/env bash
# Proves couches.sh on made-up trees: a clean tree passes, and each kind of
# wrong-way include makes it fail.
set -uo pipefail
verif="$(dirname "$0")/couches.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
echecs=0

arbre_propre()
{
    rm -rf "$scratch/src"
    for d in base model files engine presentation platform controls pagebase pages shell; do
        mkdir -p "$scratch/src/$d"
    done
    echo '#include <string>' >"$scratch/src/base/A.h"
    echo '#include "base/A.h"' >"$scratch/src/model/B.h"
    printf '#include "model/B.h"\n#include "base/A.h"\n' >"$scratch/src/files/C.cpp"
    echo '#include "files/C.h"' >"$scratch/src/engine/D.cpp"
    echo '#include "engine/D.h"' >"$scratch/src/presentation/E.cpp"
    echo '#include <QWidget>' >"$scratch/src/platform/F.h"
    printf '#include <QLabel>\n#include "presentation/E.h"\n#include "platform/F.h"\n' >"$scratch/src/controls/G.h"
    echo '#include "controls/G.h"' >"$scratch/src/pagebase/H.h"
    printf '#include "pagebase/H.h"\n#include "pages/I.h"\n' >"$scratch/src/pages/I.cpp"
    printf '#include "pages/I.h"\n#include "shell/J.h"\n' >"$scratch/src/shell/J.cpp"
}

attendu()
{
    local sens="$1" libelle="$2"
    if bash "$verif" "$scratch/src" >"$scratch/sortie" 2>&1; then
        obtenu=passe
    else
        obtenu=echoue
    fi
    if [[ "$obtenu" != "$sens" ]]; then
        echo "FAIL: $libelle: expected $sens, got $obtenu"
        cat "$scratch/sortie"
        echecs=$((echecs + 1))
    fi
}

arbre_propre
attendu passe "clean tree"

# One wrong-way include at a time, each on a fresh clean tree.
while IFS='|' read -r fichier ligne; do
    arbre_propre
    echo "$ligne" >>"$scratch/src/$fichier"
    attendu echoue "$ligne in $fichier"
done <<'CAS'
base/A.h|#include <QString>
model/B.h|#include <QtCore/QList>
presentation/E.cpp|#include <QPainter>
engine/D.cpp|#include "presentation/E.h"
model/B.h|#include "files/C.h"
base/A.h|#include "model/B.h"
files/C.cpp|#include "controls/G.h"
controls/G.h|#include "pagebase/H.h"
controls/G.h|#include "pages/I.h"
controls/G.h|#include "shell/J.h"
pagebase/H.h|#include "pages/I.h"
pagebase/H.h|#include "shell/J.h"
pages/I.cpp|#include "shell/J.h"
platform/F.h|#include "controls/G.h"
CAS

# An indented include with spaces after the hash is still seen.
arbre_propre
echo '  #  include "shell/J.h"' >>"$scratch/src/pages/I.cpp"
attendu echoue "indented include"

exit $((echecs > 0))
