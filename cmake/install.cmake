# Installs the toolkit as the CMake package ZevOrer: the libraries with their headers under include/ZevOrer, the
# toolkit's translation packs, the API reference when it was built, and the package files that
# find_package(ZevOrer) reads, which define ZevOrer::frameless and ZevOrer::settingstree.
include(CMakePackageConfigHelpers)

set(ZEV_ORER_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZevOrer)
install(TARGETS frameless settingstree EXPORT ZevOrerTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ZevOrer)
get_target_property(packs frameless ZEV_ORER_PACKS)
install(FILES ${packs} DESTINATION ${CMAKE_INSTALL_DATADIR}/ZevOrer/translations)
install(EXPORT ZevOrerTargets NAMESPACE ZevOrer:: DESTINATION ${ZEV_ORER_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZevOrerConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/ZevOrerConfig.cmake
    INSTALL_DESTINATION ${ZEV_ORER_CMAKE_DIR}
    PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZevOrerConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ZevOrerConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/ZevOrerConfigVersion.cmake
    DESTINATION ${ZEV_ORER_CMAKE_DIR})
