# The Qt window layer: the platform controls, the main window, its panels and
# dialogs. Window sources are picked up by folder; core sources are listed in
# the top-level CMakeLists.txt. In src/editors only *Panel.cpp files belong
# to the window; the others are record operations of the core.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

file(GLOB MONTEGURA_APP_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/platform/*.cpp ${PROJECT_SOURCE_DIR}/src/platform/*.h
  ${PROJECT_SOURCE_DIR}/src/app/*.cpp ${PROJECT_SOURCE_DIR}/src/app/*.h
  ${PROJECT_SOURCE_DIR}/src/dialogs/*.cpp ${PROJECT_SOURCE_DIR}/src/dialogs/*.h
  ${PROJECT_SOURCE_DIR}/src/editors/*Panel.cpp ${PROJECT_SOURCE_DIR}/src/editors/*Panel.h
  ${PROJECT_SOURCE_DIR}/src/io/*Command*.cpp ${PROJECT_SOURCE_DIR}/src/io/*Command*.h)
list(FILTER MONTEGURA_APP_SOURCES EXCLUDE REGEX "/src/app/main\\.cpp$")

add_library(montegura_app STATIC ${MONTEGURA_APP_SOURCES})
target_link_libraries(montegura_app PUBLIC montegura_core Qt6::Widgets)
target_compile_definitions(montegura_app PRIVATE
  MONTEGURA_DATA_INSTALL_DIR="${MONTEGURA_DATA_INSTALL_DIR}")

if(EXISTS ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
  add_executable(montegura ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
  target_link_libraries(montegura PRIVATE montegura_app)
  install(TARGETS montegura RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
