#!/usr/bin/env bash
# Checks that includes run one way between the folders of a source tree:
#   core (base < model < files < engine < presentation), no Qt at all;
#   platform -> base; controls -> core, platform;
#   page base -> controls; pages -> page base; the shell may include anything.
# Usage: couches.sh [source folder] (default: src beside this script).
# Prints every wrong-way include and fails when there is one.
set -euo pipefail
racine="${1:-$(dirname "$0")/../src}"

# The folders each folder may include, itself included.
declare -A permis=(
    [base]="base"
    [model]="base model"
    [files]="base model files"
    [engine]="base model files engine"
    [presentation]="base model files engine presentation"
    [platform]="base platform"
    [controls]="base model files engine presentation platform controls"
    [pagebase]="base model files engine presentation platform controls pagebase"
    [pages]="base model files engine presentation platform controls pagebase pages"
)
# Folders that must stay free of Qt.
sansQt=" base model files engine presentation "
connus=" base model files engine presentation platform controls pagebase pages shell "

fautes=0
for dossier in "${!permis[@]}"; do
    [[ -d "$racine/$dossier" ]] || continue
    while IFS= read -r ligne; do
        fichier="${ligne%%:*}"
        reste="${ligne#*:}"
        numero="${reste%%:*}"
        cible="${reste#*:}"
        [[ "$cible" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*(.*)$ ]] && cible="${BASH_REMATCH[1]}"
        case "$cible" in
        \<Q* | \<q[t/]*)
            if [[ "$sansQt" == *" $dossier "* ]]; then
                echo "$fichier:$numero: Qt included in $dossier: $cible"
                fautes=$((fautes + 1))
            fi
            ;;
        \"*/*)
            haut="${cible#\"}"
            haut="${haut%%/*}"
            if [[ "$connus" == *" $haut "* && " ${permis[$dossier]} " != *" $haut "* ]]; then
                echo "$fichier:$numero: $dossier may not include $haut: $cible"
                fautes=$((fautes + 1))
            fi
            ;;
        esac
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$racine/$dossier" --include='*.h' --include='*.cpp' || true)
done

if ((fautes > 0)); then
    echo "$fautes include(s) run the wrong way"
    exit 1
fi
