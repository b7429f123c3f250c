-- Makes one edition of the guide from docs/handleiding.md (pandoc 2.17 and
-- later), chosen by the metadata `editie`:
--   student  drops every `::: docent` block (figures, numbers, answers), so
--            nothing answers an experiment's question before Teken;
--   docent   drops every `::: student` block (the room for answers) and keeps
--            the lecturer's blocks, still marked with their class.
-- A block `::: {.na-teken samenvatting="..."}` explains what an experiment
-- shows: the lecturer reads it as it is, a student finds it folded under its
-- summary, to open after Teken.
-- The metadata `paginas` is put before every link to a page (iir_demo.html,
-- fir_demo.html): the path from where this edition is installed to where the
-- pages are, empty when they lie side by side. In the students' edition each
-- such link inside an experiment also gets `&proef`, so that the page it
-- opens shows nothing that answers the experiment's question before Teken.
-- SPDX-License-Identifier: MIT

local editie, paginas

-- Metadata is read first, in a pass of its own: pandoc visits Meta after the
-- blocks within one filter.
local function lees_meta(meta)
  editie = meta.editie and pandoc.utils.stringify(meta.editie) or ""
  paginas = meta.paginas and pandoc.utils.stringify(meta.paginas) or ""
  if editie ~= "student" and editie ~= "docent" then
    error("editie.lua: set the metadata editie to student or docent, not '" .. editie .. "'")
  end
end

local function kies_blok(div)
  local weg = editie == "student" and "docent" or "student"
  if div.classes:includes(weg) then
    return {}
  end
  if editie == "student" and div.classes:includes("na-teken") then
    local samenvatting = div.attributes.samenvatting or "Uitleg na Teken"
    local blokken = { pandoc.RawBlock("html", "<details><summary>" .. samenvatting .. "</summary>") }
    for _, blok in ipairs(div.content) do
      table.insert(blokken, blok)
    end
    table.insert(blokken, pandoc.RawBlock("html", "</details>"))
    return blokken
  end
end

local function naar_pagina(link)
  if link.target:match("^[a-z]+_demo%.html") then
    link.target = paginas .. link.target
    return link
  end
end

-- The experiments are the headings "### N. ..."; a heading of a higher level
-- ends the last one.
local function markeer_proeven(doc)
  if editie ~= "student" then
    return nil
  end
  local proef
  local markeer = {
    Link = function(link)
      if proef and link.target:match("_demo%.html#") then
        link.target = link.target .. "&proef"
        return link
      end
    end,
  }
  for i, blok in ipairs(doc.blocks) do
    if blok.t == "Header" and blok.level <= 3 then
      proef = blok.level == 3 and pandoc.utils.stringify(blok.content):match("^(%d+)%.") or nil
    else
      doc.blocks[i] = pandoc.walk_block(blok, markeer)
    end
  end
  return doc
end

return {
  { Meta = lees_meta },
  { Div = kies_blok, Link = naar_pagina },
  { Pandoc = markeer_proeven },
}
