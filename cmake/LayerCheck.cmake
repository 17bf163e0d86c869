# The layers of the editor, checked whenever the build is configured: the model and
# build libraries never reach Qt Widgets, and the compiler library reaches no Qt at all.
# A link that breaks a layer stops the configure with the chain that does it.

# Sets `out` to every target and library `target` links, directly or through others.
function(vantoro_link_closure target out)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item STREQUAL "" OR item IN_LIST seen OR item MATCHES "^\\$<")
      continue()
    endif()
    list(APPEND seen ${item})
    if(TARGET ${item})
      get_target_property(aliased ${item} ALIASED_TARGET)
      if(aliased)
        list(APPEND queue ${aliased})
      endif()
      get_target_property(imported ${item} IMPORTED)
      set(links "")
      if(NOT imported)
        get_target_property(links ${item} LINK_LIBRARIES)
      endif()
      get_target_property(interface ${item} INTERFACE_LINK_LIBRARIES)
      foreach(link IN LISTS links interface)
        if(link AND NOT link MATCHES "-NOTFOUND$")
          list(APPEND queue ${link})
        endif()
      endforeach()
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configure when `target` reaches a library matching `forbidden`.
function(vantoro_forbid_links target forbidden why)
  if(NOT TARGET ${target})
    return()
  endif()
  vantoro_link_closure(${target} closure)
  foreach(item IN LISTS closure)
    if(item MATCHES "${forbidden}")
      message(FATAL_ERROR "${target} links ${item}: ${why}")
    endif()
  endforeach()
endfunction()

function(vantoro_check_layers)
  foreach(model vantoro_fields vantoro_properties vantoro_project vantoro_document vantoro_bitmap
                vantoro_check vantoro_render vantoro_compile vantoro_newskin vantoro_paint
                vantoro_unpack vantoro_import vantoro_derive vantoro_fileset)
    vantoro_forbid_links(${model} "Qt[0-9]*::(Widgets|PrintSupport)|Qt[0-9]*Widgets"
      "the model and build libraries stay free of Widgets")
  endforeach()
  # The records hold the sheets and the sheets read the records through the field table:
  # their code links one way only.
  vantoro_forbid_links(vantoro_properties "^vantoro_project$"
    "the sheets link below the records, through the field table")
  vantoro_forbid_links(vantoro_fields "^vantoro_(project|properties)$"
    "the field table is below the sheets and the records")
  # The rows draw through IValuePainter: loading a project needs no GUI library.
  foreach(model vantoro_fields vantoro_properties vantoro_project)
    vantoro_forbid_links(${model} "Qt[0-9]*::Gui|^vantoro_value_painter$"
      "the records, their sheets and the field table draw through IValuePainter")
  endforeach()
  # vantoro-cli reaches the commands that need Qt Gui (render, import, derive, info) only through
  # the library it loads for them.
  vantoro_forbid_links(vantoro_cli "^vantoro_(render|derive|pdbinfo|cli_image|value_painter)$"
    "vantoro-cli loads the picture commands' library instead of linking it")
  vantoro_forbid_links(vantoro_common "Qt" "the shared code is standard C++ only")
  vantoro_forbid_links(vantoro_skin_codes "Qt" "the skin's vocabularies are standard C++ only")
  vantoro_forbid_links(vantoro_paint "Qt" "the paint library is standard C++ only")
  vantoro_forbid_links(brres_core "Qt" "the compiler library is standard C++ only")
  vantoro_forbid_links(BRRes "Qt" "the compiler library is standard C++ only")
  vantoro_forbid_links(brres "Qt" "the compiler library is standard C++ only")
  vantoro_forbid_links(brres_reader "Qt" "the database reader is standard C++ only")
endfunction()
