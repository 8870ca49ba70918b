"""The folder the merge benchmarks work in: the sample card, its first frame holding the fields
«Nom» and «Poste», and team.csv, whose rows fill them."""
import os
import shutil


def prepare_team_folder(data, folder, rows):
    for name in os.listdir(data):
        source = os.path.join(data, name)
        (shutil.copytree if os.path.isdir(source) else shutil.copy)(source, os.path.join(folder, name))
    frame = os.path.join(folder, "element", "C1carte.rtf")
    text = open(frame, "rb").read().replace(b"Anne Martin", b"\\'abNom\\'bb")
    open(frame, "wb").write(text.replace(b"Graphiste ind\\'e9pendante", b"\\'abPoste\\'bb"))
    with open(os.path.join(folder, "team.csv"), "w", encoding="utf-8") as table:
        table.write("Nom;Poste\n")
        for row in range(rows):
            table.write(f'"Personne {row}";"Poste; n\u00b0{row}"\n')
