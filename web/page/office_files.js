// The drawings of the office jobs, however the browser hands them over: a picked folder's
// handles (readable and writable), the file input's folder mode, or a drop. Each drawing is
// its path below what was chosen, its name, how to read it and, where allowed, how to write
// it and its backup.
"use strict";

const PennatranOfficeFiles = (() => {
  const isDrawingName = (name) => /\.jww$/i.test(name);

  // Replaces the file only once every byte is written: the stream writes beside it and
  // swaps at close, and an aborted stream leaves the file as it was.
  async function writeWhole(handle, bytes) {
    const stream = await handle.createWritable();
    try {
      await stream.write(bytes);
      await stream.close();
    } catch (error) {
      await stream.abort().catch(() => {});
      throw error;
    }
  }

  function handleDrawing(handle, path, directory) {
    return {
      path,
      name: handle.name,
      read: async () => new Uint8Array(await (await handle.getFile()).arrayBuffer()),
      handle,
      write: (bytes) => writeWhole(handle, bytes),
      writeBackup: directory
        ? async (bytes) => writeWhole(await directory.getFileHandle(`${handle.name}.bak`, { create: true }), bytes)
        : null,
    };
  }

  function fileDrawing(file, path) {
    return { path, name: file.name, read: async () => new Uint8Array(await file.arrayBuffer()) };
  }

  // Every *.jww below a folder in any letter case, as the command line collects them.
  async function collectHandles(directory, prefix, out) {
    for await (const [name, handle] of directory.entries()) {
      if (handle.kind === "directory") await collectHandles(handle, `${prefix}${name}/`, out);
      else if (isDrawingName(name)) out.push(handleDrawing(handle, `${prefix}${name}`, directory));
    }
    return out;
  }

  async function collectEntries(entry, prefix, out) {
    if (entry.isDirectory) {
      const reader = entry.createReader();
      for (;;) {
        const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
        if (batch.length === 0) break;
        for (const child of batch) await collectEntries(child, `${prefix}${entry.name}/`, out);
      }
    } else if (isDrawingName(entry.name)) {
      const file = await new Promise((resolve, reject) => entry.file(resolve, reject));
      out.push(fileDrawing(file, `${prefix}${entry.name}`));
    }
    return out;
  }

  // Paths compared folder by folder, as the command line orders what it collects.
  function byPath(a, b) {
    const x = a.path.split("/");
    const y = b.path.split("/");
    for (let i = 0; i < Math.min(x.length, y.length); ++i) {
      if (x[i] !== y[i]) return x[i] < y[i] ? -1 : 1;
    }
    return x.length - y.length;
  }

  // A folder's contents below its own name, from the file input's directory mode.
  function drawingsOfFolderInput(files) {
    return files
      .map((file) => ({ file, path: file.webkitRelativePath.split("/").slice(1).join("/") || file.name }))
      .filter(({ file }) => isDrawingName(file.name))
      .map(({ file, path }) => fileDrawing(file, path));
  }

  // Dropped items: by their handles when the browser gives them all, else by their entries,
  // else as the plain files. A file dropped is taken whatever its name, as the window does.
  async function droppedDrawings(handles, entries, files) {
    const found = [];
    const resolved = await Promise.all(handles.map((handle) => Promise.resolve(handle).catch(() => null)));
    if (resolved.length > 0 && resolved.every((handle) => handle)) {
      for (const handle of resolved) {
        if (handle.kind === "directory") await collectHandles(handle, `${handle.name}/`, found);
        else found.push(handleDrawing(handle, handle.name, null));
      }
      return found;
    }
    if (entries.length > 0 && entries.every((entry) => entry)) {
      for (const entry of entries) {
        if (entry.isDirectory) await collectEntries(entry, "", found);
        else found.push(fileDrawing(await new Promise((resolve, reject) => entry.file(resolve, reject)), entry.name));
      }
      return found;
    }
    return files.map((file) => fileDrawing(file, file.name));
  }

  return { isDrawingName, collectHandles, byPath, drawingsOfFolderInput, droppedDrawings };
})();
