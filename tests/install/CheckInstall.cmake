# Installs the build into a staging folder and checks that every file lands in its usual place
# and that the installed program looks for its library in the installed library folder.
set(stage ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage} ${CMAKE_COMMAND} --install ${BUILD_DIR}
    RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(prefix ${stage}${PREFIX})
foreach(file
        bin/Runvella
        ${LIBDIR}/liblogger.so
        share/runvella/help/index.html
        share/runvella/help/fr/index.html
        share/runvella/help/es/index.html
        share/runvella/help/de/index.html
        share/runvella/help/it/index.html
        share/applications/runvella.desktop
        share/icons/hicolor/scalable/apps/runvella.svg)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${PREFIX}/${file}")
    endif()
endforeach()
if(NOT EXISTS ${stage}${UDEV_DIR}/70-runvella-recorder.rules)
    message(FATAL_ERROR "udev rule not installed in ${UDEV_DIR}")
endif()

execute_process(COMMAND readelf -d ${prefix}/bin/Runvella OUTPUT_VARIABLE dynamic)
if(NOT dynamic MATCHES "RUNPATH.*\\$ORIGIN/\\.\\./${LIBDIR}")
    message(FATAL_ERROR "the installed program does not look in ../${LIBDIR}:\n${dynamic}")
endif()
file(REMOVE_RECURSE ${stage})
