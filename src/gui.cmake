# The desktop program: the windows and the data-aware controls (kelvora_ui) and
# the executable. Window files are found by name, so a new …FormUnit.cpp in a
# feature folder is built without touching this file.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)

file(GLOB KELVORA_UI_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/app/*FormUnit.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/app/*FormUnit.h
     ${CMAKE_CURRENT_SOURCE_DIR}/app/AboutBoxUnit.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/app/AboutBoxUnit.h
     ${CMAKE_CURRENT_SOURCE_DIR}/app/Splash.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/app/Splash.h
     ${CMAKE_CURRENT_SOURCE_DIR}/glaze/*FormUnit.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/glaze/*FormUnit.h
     ${CMAKE_CURRENT_SOURCE_DIR}/materials/*FormUnit.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/materials/*FormUnit.h
     ${CMAKE_CURRENT_SOURCE_DIR}/store/*FormUnit.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/store/*FormUnit.h)

add_library(kelvora_ui STATIC ${KELVORA_UI_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/app/kelvora.qrc)
set_target_properties(kelvora_ui PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(kelvora_ui PUBLIC kelvora_core Qt6::Widgets Qt6::PrintSupport)

add_executable(kelvora ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(kelvora PRIVATE kelvora_ui)
add_dependencies(kelvora kelvora_manual)
if(TARGET starter_data)
  add_dependencies(kelvora starter_data)
endif()

# The manual is part of the installation: it lies beside the executable.
add_custom_target(kelvora_manual ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/manual ${CMAKE_BINARY_DIR}/manual
  COMMENT "Copying the manual beside the program"
  VERBATIM)

# Draws the splash picture, the logo and the icons into src/app/images.
# Not part of the normal build: run it when a picture should change.
add_executable(kelvora_imagegen EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/imagegen/imagegen.cpp)
target_link_libraries(kelvora_imagegen PRIVATE kelvora_options Qt6::Gui)
add_custom_target(images
  COMMAND kelvora_imagegen ${CMAKE_CURRENT_SOURCE_DIR}/app/images
  DEPENDS kelvora_imagegen
  COMMENT "Drawing Kelvora's pictures"
  VERBATIM)

# Pictures of the windows as the program shows them (for the manual and for
# checking the look); run under a display from the build folder.
find_package(Qt6 COMPONENTS Test)
if(TARGET Qt6::Test)
  add_executable(kelvora_screenshots EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/screenshots/screenshots.cpp)
  target_link_libraries(kelvora_screenshots PRIVATE kelvora_ui Qt6::Test)
endif()
