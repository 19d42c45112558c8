# Additional clean files
cmake_minimum_required(VERSION 3.16)

if("${CONFIG}" STREQUAL "" OR "${CONFIG}" STREQUAL "RelWithDebInfo")
  file(REMOVE_RECURSE
  "src/CMakeFiles/vylora_app_autogen.dir/AutogenUsed.txt"
  "src/CMakeFiles/vylora_app_autogen.dir/ParseCache.txt"
  "src/CMakeFiles/vylora_autogen.dir/AutogenUsed.txt"
  "src/CMakeFiles/vylora_autogen.dir/ParseCache.txt"
  "src/CMakeFiles/vylora_i18n_autogen.dir/AutogenUsed.txt"
  "src/CMakeFiles/vylora_i18n_autogen.dir/ParseCache.txt"
  "src/CMakeFiles/vylora_schedule_autogen.dir/AutogenUsed.txt"
  "src/CMakeFiles/vylora_schedule_autogen.dir/ParseCache.txt"
  "src/CMakeFiles/vylora_storage_autogen.dir/AutogenUsed.txt"
  "src/CMakeFiles/vylora_storage_autogen.dir/ParseCache.txt"
  "src/CMakeFiles/vylora_tournament_autogen.dir/AutogenUsed.txt"
  "src/CMakeFiles/vylora_tournament_autogen.dir/ParseCache.txt"
  "src/vylora_app_autogen"
  "src/vylora_autogen"
  "src/vylora_i18n_autogen"
  "src/vylora_schedule_autogen"
  "src/vylora_storage_autogen"
  "src/vylora_tournament_autogen"
  )
endif()
