// The module behind a promise-returning facade: objects are held here and named by a handle,
// so that the page's callers never touch the module's objects themselves. This one runs the
// module on the page's own thread, started on first use.
"use strict";

const PennatranEngine = (() => {
  let started;

  function facade(module) {
    const objects = new Map();
    let next = 1;
    const held = (id) => {
      const object = objects.get(id);
      if (!object) throw new Error(`no object ${id}`);
      return object;
    };
    return {
      async create(className, ...args) {
        const id = next++;
        objects.set(id, new module[className](...args));
        return id;
      },
      async call(id, method, ...args) {
        return held(id)[method](...args);
      },
      async run(name, ...args) {
        return module[name](...args);
      },
      async destroy(id) {
        const object = objects.get(id);
        objects.delete(id);
        object?.delete();
      },
    };
  }

  function start() {
    started ??= createPennatran().then(facade);
    return started;
  }

  return { start };
})();
