# The translation catalogues: one per family of sources and language, named
# kelvora_<family>_<language>.ts. Read by update-translations.sh and
# check-translations.sh; CMake builds every .ts it finds here.
# family:folder,folder:languages (the source texts are Dutch; the core's
# English store messages also get a Dutch catalogue)
families="
corestore:src/core/store,src/core/common,src/core/model,src/core/materials:nl,en,de
corecalc:src/core/engine,src/core/glaze,src/core/solver,src/core/blend,src/core/notebook:nl,en,de
coreio:src/core/interchange,cli:nl,en,de
app:src/gui/app,src/gui/widgets,src/gui/store:en,de
glaze:src/gui/glaze:en,de
materials:src/gui/materials:en,de
notebook:src/gui/notebook:en,de
"
# Languages whose catalogue must be complete (no unfinished entries). A text
# left unfinished in another catalogue is shown as its source.
complete_languages="en"
